#pragma once

#include "main_window.h"

#include <memory>

class QCommandLineParser;

namespace pelmark::workspace {

// Where "Help.rtf" is looked for: the current working folder, the program's own folder, and the
// folder the package installs it in.
QStringList defaultHelpFolders();

// Pelmark's own options (--help, --version) and its files; Qt's options (-platform, -style) are
// taken by the application before. After "--" every argument is a file.
void describeCommandLine(QCommandLineParser &parser);

// The start-up procedure: creates the main window, runs its load and shows it.
std::unique_ptr<MainWindow> startPelmark(WorkspaceContext context);

} // namespace pelmark::workspace
