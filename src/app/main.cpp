// Pelmark: prepares the header text of cash registers and the code listings of their models.
#include "application.h"
#include "common_dialog.h"
#include "settings_names.h"
#include "startup.h"

#include "pelmark_version.h"

#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    using namespace pelmark::workspace;
    Application app(argc, argv);
    QApplication::setOrganizationName(kSettingsOrganization);
    QApplication::setApplicationName(kSettingsApplication);
    QApplication::setApplicationVersion(QStringLiteral(PELMARK_VERSION));
    installRussian(app);
    // Answers --help and --version itself, and ends the program then.
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    try {
        WorkspaceContext context;
        context.helpFolders = defaultHelpFolders();
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("pelmark")));
        const auto window = startPelmark(std::move(context));
        app.setFailureReporter([&window](const QString &text) { window->dialog().message(text); });
        // Files named on the command line (a file manager's "Open with") open after the start-up
        // windows.
        window->openFiles(files);
        return QApplication::exec();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pelmark: %s\n", error.what());
        return 1;
    }
}
