// The receipt preview against the layout and the charts it must agree with, on every model.
#include "catalogue.h"
#include "conversion_run.h"
#include "receipt_preview.h"
#include "simple_upper.h"
#include "string_host.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

std::u16string repeatLines(std::u16string_view line, std::size_t count)
{
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i)
        text.append(i ? u"\r\n" : u"").append(line);
    return text;
}

std::u16string upper(std::u16string text, const ModelEntry &model)
{
    if (model.upperCase) {
        for (char16_t &c : text)
            c = simpleUpper(c);
    }
    return text;
}

bool codedAsFallback(char16_t c, const ModelEntry &model)
{
    std::u16string token;
    appendTokens(token, std::u16string_view(&c, 1), model);
    return token == kFallbackToken;
}

struct PreviewCase {
    const char *what;
    std::u16string text;
};

TEST(ReceiptPreview, AgreesWithTheLayoutAndTheChartsOnEveryModel)
{
    const PreviewCase cases[] = {
        {"fits", u"Магазин «Ромашка»\r\nСпасибо!"},
        {"ends with a line end", u"abc\r\n"},
        {"empty", u""},
        {"empty lines between", u"a\r\n\r\n\r\nb"},
        {"exactly 16", std::u16string(16, u'x')},
        {"exactly 24", std::u16string(24, u'y')},
        {"one line too long for some", u"короткая\r\n" + std::u16string(20, u'z') + u"\r\nещё"},
        {"too long for all", std::u16string(27, u'w')},
        {"missing from charts", u"№ 5\t€ ё"},
        {"LF joins, lone CR ends", u"ab\ncd\refg"},
        {"100 lines", repeatLines(u"line", 100)},
        {"more than 100 lines", repeatLines(u"longer than any model's width", 101)},
        {"100 lines and a closing line end", repeatLines(u"x", 100) + u"\r\n"},
    };
    for (const ModelEntry &model : modelCatalogue()) {
        for (const PreviewCase &c : cases) {
            SCOPED_TRACE(std::string(model.command) + ": " + c.what);
            StringConversionHost host;
            host.cliche = c.text;
            const LayoutOutcome outcome = layOutCliche(host, model.width);
            const ReceiptPreview preview = previewReceipt(c.text, model);
            EXPECT_EQ(preview.outcome, outcome);
            EXPECT_EQ(preview.width, model.width);

            const std::vector<std::u16string> typed = splitClicheLines(c.text).lines;
            ASSERT_EQ(preview.lines.size(), typed.size());
            std::u16string joined;
            for (std::size_t i = 0; i < typed.size(); ++i) {
                const PreviewLine &line = preview.lines[i];
                joined += line.text + u"\r\n";
                EXPECT_EQ(line.length, typed[i].size());
                EXPECT_EQ(line.overflow, typed[i].size() > model.width ? typed[i].size() - model.width : 0);
                if (outcome == LayoutOutcome::Abandoned || line.overflow > 0) {
                    EXPECT_EQ(line.text, upper(typed[i], model)); // as typed
                } else {
                    // Centred as the layout centres the line once it fits.
                    StringConversionHost alone;
                    alone.cliche = typed[i];
                    ASSERT_EQ(layOutCliche(alone, model.width), LayoutOutcome::LaidOut);
                    EXPECT_EQ(line.text + u"\r\n", upper(alone.cliche, model));
                }
                std::vector<std::size_t> fallback;
                for (std::size_t k = 0; k < line.text.size(); ++k) {
                    if (codedAsFallback(line.text[k], model))
                        fallback.push_back(k);
                }
                EXPECT_EQ(line.uncoded, fallback);
            }
            if (outcome == LayoutOutcome::LaidOut) {
                EXPECT_EQ(joined, upper(host.cliche, model));
            }
        }
    }
}

TEST(ReceiptPreview, NeverChangesTheCliche)
{
    const std::u16string text = u"abc\r\n" + std::u16string(40, u'x');
    const ReceiptPreview preview = previewReceipt(text, modelCatalogue().front());
    EXPECT_EQ(preview.outcome, LayoutOutcome::Rejected);
    ASSERT_EQ(preview.lines.size(), 2u);
    EXPECT_EQ(preview.lines[0].text, u"       abc");
    EXPECT_EQ(preview.lines[0].indent, 7u);
    EXPECT_EQ(preview.lines[1].overflow, 22u);
}

} // namespace
} // namespace pelmark
