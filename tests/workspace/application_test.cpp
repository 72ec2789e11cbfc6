// Pelmark's application object: whatever escapes an event handler is told, and the program
// goes on. It has a main of its own, as the object must be the program's one application.
#include "application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QStandardPaths>

#include <functional>

#include <new>
#include <stdexcept>

namespace {

pelmark::workspace::Application *g_application = nullptr;

// An object whose handling of any event fails with what it is told to throw.
class Failing final : public QObject {
public:
    explicit Failing(std::function<void()> failure) : m_failure(std::move(failure)) {}
    bool event(QEvent *) override
    {
        m_failure();
        return true;
    }

private:
    std::function<void()> m_failure;
};

TEST(Application, WhatEscapesAnEventIsToldAndTheProgramGoesOn)
{
    QStringList told;
    g_application->setFailureReporter([&told](const QString &text) { told << text; });
    Failing outOfMemory([] { throw std::bad_alloc(); });
    Failing broken([] { throw std::runtime_error("сломалось"); });
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&outOfMemory, &event));
    EXPECT_FALSE(QCoreApplication::sendEvent(&broken, &event));
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].contains(QStringLiteral("Не хватило памяти"))) << told[0].toStdString();
    EXPECT_TRUE(told[1].contains(QStringLiteral("сломалось"))) << told[1].toStdString();
    g_application->setFailureReporter({});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    pelmark::workspace::Application app(argc, argv);
    g_application = &app;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
