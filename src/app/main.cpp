// Pelmark: prepares the header text of cash registers and the code listings of their models.
#include "startup.h"

#include "pelmark_version.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pelmark"));
    QApplication::setApplicationName(QStringLiteral("Pelmark"));
    QApplication::setApplicationVersion(QStringLiteral(PELMARK_VERSION));

    pelmark::workspace::WorkspaceContext context;
    context.helpFolders = pelmark::workspace::defaultHelpFolders();
    const auto window = pelmark::workspace::startPelmark(std::move(context));
    return QApplication::exec();
}
