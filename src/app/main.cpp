// Pelmark: prepares the header text of cash registers and the code listings of their models.
#include "settings_names.h"
#include "startup.h"

#include "pelmark_version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(pelmark::workspace::kSettingsOrganization);
    QApplication::setApplicationName(pelmark::workspace::kSettingsApplication);
    QApplication::setApplicationVersion(QStringLiteral(PELMARK_VERSION));

    pelmark::workspace::WorkspaceContext context;
    context.helpFolders = pelmark::workspace::defaultHelpFolders();
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("pelmark")));
    const auto window = pelmark::workspace::startPelmark(std::move(context));
    // Files named on the command line (a file manager's "Open with") open after the start-up windows.
    window->openFiles(QApplication::arguments().mid(1));
    return QApplication::exec();
}
