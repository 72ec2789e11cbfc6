// Loading and saving large RTF documents, beside what Qt itself needs for the same content:
// inserting the runs with QTextCursor (the floor), setHtml, and toHtml.
#include "rtf_reader.h"
#include "rtf_writer.h"
#include "side_by_side.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    QByteArray cp1251;
    bool bold, italic, red;
};
struct Paragraph {
    std::vector<Run> runs;
    int alignment; // 0 left, 1 centre, 2 right
};

// Paragraphs of Cyrillic words in bold, italic, red and plain runs, about 100 bytes of RTF each.
std::vector<Paragraph> paragraphs(int count)
{
    static const char *const words[] = {"\xcf\xf0\xe8\xe2\xe5\xf2", "\xec\xe8\xf0", "\xca\xe0\xf1\xf1\xe0",
                                        "\xd1\xef\xe0\xf1\xe8\xe1\xee", "\xcc\xc0\xc3\xc0\xc7\xc8\xcd"};
    std::vector<Paragraph> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Paragraph &p = out[std::size_t(i)];
        p.alignment = i % 3;
        for (int r = 0; r < 4; ++r)
            p.runs.push_back({QByteArray(words[(i + r) % 5]) + ' ', r == 0, r == 1, r == 2});
    }
    return out;
}

QByteArray hexEscaped(const QByteArray &cp1251)
{
    QByteArray out;
    for (char c : cp1251) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
        } else {
            out += "\\'";
            out += QByteArray::number(static_cast<unsigned char>(c), 16);
        }
    }
    return out;
}

QByteArray rtfOf(const std::vector<Paragraph> &doc)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}"
                     "{\\colortbl ;\\red255\\green0\\blue0;}\n";
    static const char *const align[] = {"\\ql", "\\qc", "\\qr"};
    for (const Paragraph &p : doc) {
        rtf += "\\pard";
        rtf += align[p.alignment];
        for (const Run &run : p.runs) {
            rtf += run.bold ? "{\\b " : run.italic ? "{\\i " : run.red ? "{\\cf1 " : "{";
            rtf += hexEscaped(run.cp1251);
            rtf += '}';
        }
        rtf += "\\par\n";
    }
    rtf += '}';
    return rtf;
}

QString htmlOf(const std::vector<Paragraph> &doc)
{
    QStringDecoder decode("windows-1251");
    QString html = QStringLiteral("<html><body style=\"font-family:Arial\">");
    static const char *const align[] = {"left", "center", "right"};
    for (const Paragraph &p : doc) {
        html += QStringLiteral("<p align=\"%1\">").arg(QLatin1String(align[p.alignment]));
        for (const Run &run : p.runs) {
            const QString text = decode(run.cp1251);
            html += run.bold     ? QStringLiteral("<b>%1</b>").arg(text)
                    : run.italic ? QStringLiteral("<i>%1</i>").arg(text)
                    : run.red    ? QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(text)
                                 : text;
        }
        html += QStringLiteral("</p>");
    }
    return html + QStringLiteral("</body></html>");
}

// The floor: the same runs straight into the document with a cursor, formats made once.
void insertDirectly(const std::vector<Paragraph> &doc, QTextDocument &document)
{
    QStringDecoder decode("windows-1251");
    QTextCharFormat plain, bold, italic, red;
    for (QTextCharFormat *f : {&plain, &bold, &italic, &red}) {
        f->setFontFamilies({QStringLiteral("Arial")});
        f->setFontPointSize(12);
    }
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    red.setForeground(QColor(255, 0, 0));
    QTextBlockFormat blocks[3];
    blocks[1].setAlignment(Qt::AlignHCenter);
    blocks[2].setAlignment(Qt::AlignRight);
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph &p : doc) {
        if (first)
            cursor.setBlockFormat(blocks[p.alignment]);
        else
            cursor.insertBlock(blocks[p.alignment]);
        first = false;
        for (const Run &run : p.runs)
            cursor.insertText(decode(run.cp1251), run.bold     ? bold
                                                  : run.italic ? italic
                                                  : run.red    ? red
                                                               : plain);
    }
    cursor.endEditBlock();
}

constexpr int k10MB = 100000; // paragraphs: about 10 MB of RTF
constexpr int k20MB = 200000;

const std::vector<Paragraph> &content(int paragraphCount)
{
    static std::map<int, std::vector<Paragraph>> cache;
    auto &doc = cache[paragraphCount];
    if (doc.empty())
        doc = paragraphs(paragraphCount);
    return doc;
}

void BM_LoadRtf(benchmark::State &state)
{
    const QByteArray rtf = rtfOf(content(int(state.range(0))));
    for (auto _ : state) {
        QTextDocument document;
        pelmark::richtext::RtfReader::load(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.counters["MB"] = double(rtf.size()) / 1e6;
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_InsertWithCursor(benchmark::State &state)
{
    const auto &doc = content(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument document;
        insertDirectly(doc, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

void BM_SetHtml(benchmark::State &state)
{
    const QString html = htmlOf(content(int(state.range(0))));
    for (auto _ : state) {
        QTextDocument document;
        document.setUndoRedoEnabled(false);
        document.setHtml(html);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

void BM_SaveRtf(benchmark::State &state)
{
    QTextDocument document;
    pelmark::richtext::RtfReader::load(rtfOf(content(int(state.range(0)))), document);
    for (auto _ : state)
        benchmark::DoNotOptimize(pelmark::richtext::RtfWriter::write(document).size());
}

void BM_ToHtml(benchmark::State &state)
{
    QTextDocument document;
    pelmark::richtext::RtfReader::load(rtfOf(content(int(state.range(0)))), document);
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml().size());
}

template <typename Work> double secondsOf(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// How load time grows with the file: the 10 MB and the 20 MB file, and the cursor floor for
// both, measured in turns so that a busy moment of the machine weighs on all four alike.
void BM_LoadGrowth(benchmark::State &state)
{
    const auto &small = content(k10MB);
    const auto &large = content(k20MB);
    const QByteArray smallRtf = rtfOf(small);
    const QByteArray largeRtf = rtfOf(large);
    std::vector<double> load10, load20, floor10, floor20;
    const auto load = [](const QByteArray &rtf) {
        QTextDocument document;
        pelmark::richtext::RtfReader::load(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    };
    const auto insert = [](const std::vector<Paragraph> &doc) {
        QTextDocument document;
        insertDirectly(doc, document);
        benchmark::DoNotOptimize(document.characterCount());
    };
    for (auto _ : state) {
        load10.push_back(secondsOf([&] { load(smallRtf); }));
        load20.push_back(secondsOf([&] { load(largeRtf); }));
        floor10.push_back(secondsOf([&] { insert(small); }));
        floor20.push_back(secondsOf([&] { insert(large); }));
        state.SetIterationTime(load20.back());
    }
    state.counters["load10_ms"] = median(load10) * 1e3;
    state.counters["load20_ms"] = median(load20) * 1e3;
    state.counters["load_ratio"] = medianRatio(load20, load10);
    state.counters["floor_ratio"] = medianRatio(floor20, floor10);
    state.counters["load_per_floor"] = medianRatio(load10, floor10);
}

long statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    }
    return 0;
}

// Peak memory of one load, measured in a child process so that earlier runs do not hide it.
void BM_LoadRtfPeakMemory(benchmark::State &state)
{
    const QByteArray rtf = rtfOf(content(int(state.range(0))));
    double ratio = 0;
    for (auto _ : state) {
        int fds[2];
        if (::pipe(fds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            // Hand the parent's free heap back first: pages earlier benchmarks left resident would
            // hide what the load needs. Then start the high-water mark at the present size.
            ::malloc_trim(0);
            std::ofstream("/proc/self/clear_refs") << "5";
            const long before = statusKilobytes("VmRSS:");
            QTextDocument document;
            pelmark::richtext::RtfReader::load(rtf, document);
            const long peak = statusKilobytes("VmHWM:") - before;
            [[maybe_unused]] const auto written = ::write(fds[1], &peak, sizeof peak);
            ::_exit(0);
        }
        long peak = 0;
        [[maybe_unused]] const auto got = ::read(fds[0], &peak, sizeof peak);
        ::waitpid(child, nullptr, 0);
        ::close(fds[0]);
        ::close(fds[1]);
        ratio = double(peak) * 1024 / double(rtf.size());
    }
    state.counters["peak_per_file_byte"] = ratio;
}

} // namespace

BENCHMARK(BM_LoadRtf)->Arg(k10MB)->Arg(k20MB)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_InsertWithCursor)->Arg(k10MB)->Arg(k20MB)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SetHtml)->Arg(k10MB)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SaveRtf)->Arg(k10MB)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ToHtml)->Arg(k10MB)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadGrowth)->Unit(benchmark::kMillisecond)->Iterations(9)->UseManualTime();
BENCHMARK(BM_LoadRtfPeakMemory)->Arg(k10MB)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadRtf)->Name("BM_LoadRtf_small")->Arg(100)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
