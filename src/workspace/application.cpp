#include "application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <new>

namespace pelmark::workspace {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

void Application::setFailureReporter(std::function<void(const QString &)> reporter)
{
    m_reporter = std::move(reporter);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        report(describeCurrentFailure());
    }
    return false;
}

QString describeCurrentFailure()
{
    try {
        throw;
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Не хватило памяти: действие прервано, документы остались как были.");
    } catch (const std::exception &error) {
        return QStringLiteral("Действие прервано: %1").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return QStringLiteral("Действие прервано из-за внутренней ошибки.");
    }
}

void Application::report(const QString &text) const
{
    if (m_reporter)
        m_reporter(text);
    else
        std::fprintf(stderr, "pelmark: %s\n", text.toLocal8Bit().constData());
}

bool installRussian(QCoreApplication &application)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    auto *translator = new QTranslator(&application);
    if (!translator->load(russian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace pelmark::workspace
