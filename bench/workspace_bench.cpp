// The windowed program: a conversion from the model menu, start-up, and typing in a large document.
#include "catalogue.h"
#include "cliche_input_window.h"
#include "document_window.h"
#include "main_window.h"
#include "receipt_preview_window.h"
#include "rich_text_box.h"
#include "scripted_dialog.h"
#include "side_by_side.h"
#include "startup.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <optional>
#include <vector>

namespace {

struct Workspace {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    ScriptedDialog dialog;
    std::unique_ptr<pelmark::workspace::MainWindow> window;

    explicit Workspace(const QStringList &helpFolders = {})
    {
        pelmark::workspace::WorkspaceContext context;
        context.settings = &settings;
        context.dialog = &dialog;
        context.helpFolders = helpFolders.isEmpty() ? QStringList{dir.path()} : helpFolders;
        window = pelmark::workspace::startPelmark(context);
        QApplication::processEvents();
    }
};

QString receiptText(int length)
{
    const QString line = QStringLiteral("ООО \"Ромашка\" г. Москва\r\n");
    QString text;
    while (text.size() < length)
        text += line;
    text.truncate(length);
    return text;
}

void BM_ModelCommandOnALongCliche(benchmark::State &state)
{
    Workspace workspace;
    QAction *command = workspace.window->findChild<QAction *>(QStringLiteral("mnuAstra100F"));
    const QString cliche = receiptText(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        workspace.window->clicheWindow().setText(cliche);
        workspace.window->activeDocument()->textBox()->setText(QString());
        state.ResumeTiming();
        command->trigger();
        QApplication::processEvents();
        benchmark::DoNotOptimize(workspace.window->activeDocument()->panelText(2));
    }
}

QString helpFolder()
{
    return QStringLiteral(PELMARK_SOURCE_DATA);
}

void BM_StartUp(benchmark::State &state)
{
    for (auto _ : state) {
        Workspace workspace({helpFolder()});
        benchmark::DoNotOptimize(workspace.window->isVisible());
        state.PauseTiming();
        workspace.window.reset();
        state.ResumeTiming();
    }
}

// What Qt itself needs to show a main window with one text box: the floor for start-up.
void BM_StartUpBareMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QTextEdit);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

// Seconds from exec to the probe's "shown", or nothing when it failed; the exit is not timed.
std::optional<double> timedStart(bool bare)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(PELMARK_STARTUP_PROBE),
                  bare ? QStringList{QStringLiteral("bare")} : QStringList{});
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const bool shown = process.readLine() == "shown\n";
    process.waitForFinished(30000);
    return shown ? std::optional(seconds) : std::nullopt;
}

// From exec to the shown main window, as a process: Pelmark with Help.rtf against a bare
// QMainWindow with one QTextEdit started the same way. The two start in turns, so that a busy
// moment of the machine weighs on both alike; the iteration time is Pelmark's.
void BM_ProcessStartUp(benchmark::State &state)
{
    std::vector<double> bare;
    std::vector<double> pelmark;
    for (auto _ : state) {
        const std::optional<double> floor = timedStart(true);
        const std::optional<double> ours = timedStart(false);
        if (!floor || !ours) {
            state.SkipWithError("the start-up probe failed");
            return;
        }
        bare.push_back(*floor);
        pelmark.push_back(*ours);
        state.SetIterationTime(*ours);
    }
    state.counters["bare_ms"] = median(bare) * 1e3;
    state.counters["pelmark_ms"] = median(pelmark) * 1e3;
    state.counters["ratio"] = medianRatio(pelmark, bare);
}

void BM_TypeInAMegabyteDocument(benchmark::State &state)
{
    Workspace workspace;
    workspace.window->show();
    pelmark::workspace::DocumentWindow &document = *workspace.window->activeDocument();
    document.textBox()->setText(receiptText(1000000));
    document.textBox()->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(document.textBox(), Qt::Key_A);
        benchmark::DoNotOptimize(document.panelText(2));
    }
}

} // namespace

// A keystroke in a 100-line cliche: the preview's own update (reading the receipt and filling
// the tape), not the paint that follows.
QString hundredLineCliche()
{
    QString cliche;
    for (int i = 0; i < 100; ++i)
        cliche +=
            (i ? QStringLiteral("\r\n") : QString()) +
            (i % 7 ? QStringLiteral("Магазин № %1").arg(i) : QStringLiteral("Строка длиннее ширины ленты"));
    return cliche;
}

void BM_PreviewKeystrokeInAHundredLines(benchmark::State &state)
{
    const pelmark::ModelEntry &model = pelmark::modelCatalogue().front();
    pelmark::workspace::ReceiptPreviewWindow preview(model);
    preview.show();
    QString cliche = hundredLineCliche();
    preview.setCliche(cliche);
    QApplication::processEvents();
    int keystroke = 0;
    for (auto _ : state) {
        cliche += QChar(u'а' + keystroke++ % 32);
        preview.setCliche(cliche);
        benchmark::DoNotOptimize(preview.summary());
        if (keystroke % 16 == 0)
            cliche.chop(16);
    }
}

// Enter in the middle of a 100-line cliche, then Backspace: every line below moves.
void BM_PreviewNewLineInAHundredLines(benchmark::State &state)
{
    pelmark::workspace::ReceiptPreviewWindow preview(pelmark::modelCatalogue().front());
    preview.show();
    const QString cliche = hundredLineCliche();
    const qsizetype middle = cliche.size() / 2;
    const QString split = QString(cliche).insert(middle, QStringLiteral("\r\n"));
    preview.setCliche(cliche);
    QApplication::processEvents();
    bool splitNow = true;
    for (auto _ : state) {
        preview.setCliche(splitNow ? split : cliche);
        splitNow = !splitNow;
        benchmark::DoNotOptimize(preview.summary());
    }
}

BENCHMARK(BM_ModelCommandOnALongCliche)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpBareMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessStartUp)->Unit(benchmark::kMillisecond)->MinTime(5)->UseManualTime();
BENCHMARK(BM_TypeInAMegabyteDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewKeystrokeInAHundredLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewNewLineInAHundredLines)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
