// Starts like the program does and, once the main window is shown and painted, says "shown" and
// ends at once: run as a process by workspace_bench to time start-up from exec to the shown
// window, without the teardown. "bare" shows only a QMainWindow with one QTextEdit, the floor
// Qt itself sets.
#include "application.h"
#include "scripted_dialog.h"
#include "startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const bool bare = argc > 1 && qstrcmp(argv[1], "bare") == 0;
    // Pelmark's own application object, with Qt's Russian texts, as the program has them.
    const std::unique_ptr<QApplication> app =
        bare ? std::make_unique<QApplication>(argc, argv)
             : std::make_unique<pelmark::workspace::Application>(argc, argv);
    if (!bare)
        pelmark::workspace::installRussian(*app);
    std::unique_ptr<QMainWindow> window;
    ScriptedDialog dialog; // a missing Help.rtf must not wait for a click
    if (bare) {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QTextEdit);
        window->show();
    } else {
        pelmark::workspace::WorkspaceContext context;
        context.dialog = &dialog;
        context.helpFolders = {QStringLiteral(PELMARK_SOURCE_DATA)};
        window = pelmark::workspace::startPelmark(std::move(context));
    }
    QTimer::singleShot(0, app.get(), [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        std::_Exit(0);
    });
    return QApplication::exec();
}
