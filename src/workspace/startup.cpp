#include "startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace pelmark::workspace {

QStringList defaultHelpFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The working folder, the program's own, and the data folder of the tree it is installed in,
    // wherever that tree was unpacked.
    QStringList folders{QDir::currentPath(), programFolder,
                        QDir(programFolder).filePath(QStringLiteral("../share/pelmark"))};
#ifdef PELMARK_DATA_DIR
    folders << QStringLiteral(PELMARK_DATA_DIR);
#endif
    // Beside a build tree's program, the sources' data folder.
#ifdef PELMARK_SOURCE_DATA_DIR
    folders << QStringLiteral(PELMARK_SOURCE_DATA_DIR);
#endif
    folders.removeDuplicates();
    return folders;
}

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Pelmark: клише кассовых аппаратов и их коды."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("файлы"),
                                 QStringLiteral("Документы RTF или текстовые файлы."),
                                 QStringLiteral("[файлы...]"));
}

std::unique_ptr<MainWindow> startPelmark(WorkspaceContext context)
{
    auto window = std::make_unique<MainWindow>(std::move(context));
    window->load();
    window->show();
    return window;
}

} // namespace pelmark::workspace
