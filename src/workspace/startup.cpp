#include "startup.h"

#include <QCoreApplication>
#include <QDir>

namespace pelmark::workspace {

QStringList defaultHelpFolders()
{
    QStringList folders{QDir::currentPath(), QCoreApplication::applicationDirPath()};
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

std::unique_ptr<frmMain> startPelmark(WorkspaceContext context)
{
    auto window = std::make_unique<frmMain>(std::move(context));
    gMainWindow = window.get();
    window->load();
    window->show();
    return window;
}

} // namespace pelmark::workspace
