#pragma once

#include <QApplication>

#include <functional>

namespace pelmark::workspace {

// Pelmark's QApplication: Russian throughout, and no exception that escapes an event handler
// ends the program.
class Application final : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    Application(int &argc, char **argv);

    // Where a failure that escaped an event is told; standard error until one is set.
    void setFailureReporter(std::function<void(const QString &)> reporter);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void report(const QString &text) const;

    std::function<void(const QString &)> m_reporter;
};

// What the user is told of the exception being handled, in a catch block: out of memory, or the
// exception's own words.
QString describeCurrentFailure();

// Qt's own texts (standard dialogs, message-box buttons, context menus) in Russian, whatever the
// system's language, and dates and times in the Russian form: Pelmark's own texts are Russian.
// Returns whether Qt's translation was found.
bool installRussian(QCoreApplication &application);

} // namespace pelmark::workspace
