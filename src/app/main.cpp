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

namespace {

// Options of Pelmark's own (--help, --version) and the files to open; Qt's (-platform, -style)
// were taken by the application already.
QStringList filesToOpen(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pelmark: клише кассовых аппаратов и их коды."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("файлы"),
                                 QStringLiteral("Документы RTF или текстовые файлы."),
                                 QStringLiteral("[файлы...]"));
    parser.process(application); // answers --help and --version itself, and exits
    return parser.positionalArguments();
}

} // namespace

int main(int argc, char **argv)
{
    using namespace pelmark::workspace;
    Application app(argc, argv);
    QApplication::setOrganizationName(kSettingsOrganization);
    QApplication::setApplicationName(kSettingsApplication);
    QApplication::setApplicationVersion(QStringLiteral(PELMARK_VERSION));
    installRussian(app);
    const QStringList files = filesToOpen(app);

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
