// The conversion core on cliche texts from a real receipt header up to two million characters.
#include "catalogue.h"
#include "conversion_run.h"
#include "string_host.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Receipt-like lines of 24 characters, Cyrillic and Latin, digits and signs, each ended by CR LF,
// cut to exactly `length` characters.
std::u16string receiptText(std::size_t length)
{
    static constexpr std::u16string_view lines[] = {u"  ООО \"Ромашка-Плюс\" №1 ",
                                                    u"г. Москва, ул. Ленина, 15", u"ИНН 7701234567 ККМ 00123",
                                                    u"Спасибо за покупку! 24/7"};
    std::u16string text;
    text.reserve(length + 32);
    for (std::size_t i = 0; text.size() < length; ++i)
        text.append(lines[i % 4].substr(0, 24)).append(u"\r\n");
    text.resize(length);
    return text;
}

void convert(benchmark::State &state, std::u16string text)
{
    const pelmark::ModelEntry &model = *pelmark::findModel(u"mnuAstra100F");
    for (auto _ : state) {
        pelmark::StringConversionHost host;
        host.cliche = text;
        pelmark::runConversion(model, host);
        benchmark::DoNotOptimize(host.document.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(text.size()));
}

void BM_HundredLinesOf24(benchmark::State &state)
{
    std::u16string text = receiptText(100 * 26);
    text.resize(text.size() - 2); // 100 lines, 99 line ends: laid out in full
    convert(state, std::move(text));
}

void BM_Characters(benchmark::State &state)
{
    convert(state, receiptText(std::size_t(state.range(0))));
}

// The coding loop alone, into a buffer that keeps its memory: what the run costs beyond the
// kernel's handing out of fresh pages, which varies from machine to machine.
void BM_Tokens(benchmark::State &state)
{
    const std::u16string text = receiptText(std::size_t(state.range(0)));
    const pelmark::ModelEntry &model = *pelmark::findModel(u"mnuAstra100F");
    std::u16string listing;
    for (auto _ : state) {
        listing.clear();
        pelmark::appendTokens(listing, text, model);
        benchmark::DoNotOptimize(listing.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(text.size()));
}

} // namespace

BENCHMARK(BM_Tokens)->Name("Conversion/Tokens")->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredLinesOf24)->Name("Conversion/HundredLinesOf24/100")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Characters)
    ->Name("Conversion/Characters")
    ->Arg(32766)
    ->Arg(1000000)
    ->Arg(2000000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
