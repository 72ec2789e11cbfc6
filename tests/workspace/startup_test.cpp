// Start-up, settings and shutdown of the whole program.
#include "workspace_fixture.h"

#include "twips.h"

#include <QCommandLineParser>
#include <QScreen>

using namespace pelmark::workspace;

namespace {

int px(double twips)
{
    return pelmark::twipsToPixels(twips, QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

TEST_F(WorkspaceTest, FirstStartWithHelpOpensBothWindowsSideBySide)
{
    writeHelp();
    MainWindow &window = start();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pelmark"));
    EXPECT_TRUE(m_dialog.messages().isEmpty());
    ASSERT_EQ(captions(), (QStringList{QStringLiteral("Инструкции "), QStringLiteral("Ввод текста клише ")}));
    EXPECT_EQ(caption(window.activeDocument()), QStringLiteral("Ввод текста клише "));
    EXPECT_EQ(window.documents()[0]->textBox()->text(), QStringLiteral("Помощь"));
    EXPECT_EQ(window.documents()[1]->textBox()->text(), QString());

    const QRect first = window.documents()[0]->parentWidget()->geometry();
    const QRect second = window.documents()[1]->parentWidget()->geometry();
    EXPECT_EQ(first.top(), second.top());
    EXPECT_EQ(first.height(), window.mdiArea()->viewport()->height());
    EXPECT_LE(first.right(), second.left());

    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.topLeft(), QPoint(px(1000), px(1000)));
    EXPECT_EQ(frame.size(), QSize(px(6500), px(6500)));
}

TEST_F(WorkspaceTest, StartWithoutHelpShowsTheMessageAndOneEmptyWindow)
{
    start();
    EXPECT_EQ(m_dialog.messages(), QStringList{QStringLiteral("Не могу найти Help.rtf")});
    EXPECT_EQ(captions(), QStringList{QStringLiteral("Инструкции ")});
    EXPECT_EQ(activeBox().text(), QString());
}

struct StoredGeometry {
    const char *what;
    QString left, top, width, height;
    QRect expectedTwips;
};

TEST_F(WorkspaceTest, StoredGeometryIsRestoredWithDefaultsForBadValues)
{
    const StoredGeometry cases[] = {
        {"stored values", "1500", "750", "9000", "7500", {1500, 750, 9000, 7500}},
        {"not numbers take the defaults", "left", "", "1e400", "7500", {1000, 1000, 6500, 7500}},
    };
    for (const StoredGeometry &c : cases) {
        SCOPED_TRACE(c.what);
        m_settings->beginGroup(QStringLiteral("Settings"));
        m_settings->setValue(QStringLiteral("MainLeft"), c.left);
        m_settings->setValue(QStringLiteral("MainTop"), c.top);
        m_settings->setValue(QStringLiteral("MainWidth"), c.width);
        m_settings->setValue(QStringLiteral("MainHeight"), c.height);
        m_settings->endGroup();
        MainWindow &window = start();
        const QRect t = c.expectedTwips;
        EXPECT_EQ(window.frameGeometry(), QRect(px(t.left()), px(t.top()), px(t.width()), px(t.height())));
        m_window.reset();
        m_dialog.shown.clear();
    }
}

TEST_F(WorkspaceTest, WindowOutsideEveryScreenComesBackOntoThePrimary)
{
    m_settings->setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("-900000"));
    m_settings->setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("900000"));
    MainWindow &window = start();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().intersects(window.frameGeometry()));
}

TEST_F(WorkspaceTest, ClosingStoresTheGeometryButNotWhenMinimized)
{
    MainWindow &window = start();
    window.move(px(2000), px(3000));
    window.resize(QSize(px(7000), px(5000)) - (window.frameGeometry().size() - window.size()));
    trigger("mnuOpenClish");
    trigger("mnuFileExit");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.existingClicheWindow(), nullptr);
    EXPECT_TRUE(window.documents().isEmpty());
    // Stored in twips as the window reports them, which is whole pixels.
    const auto stored = [this](const char *key) {
        return px(m_settings->value(QStringLiteral("Settings/") + QLatin1String(key)).toString().toDouble());
    };
    EXPECT_EQ(stored("MainLeft"), px(2000));
    EXPECT_EQ(stored("MainTop"), px(3000));
    EXPECT_EQ(stored("MainWidth"), px(7000));
    EXPECT_EQ(stored("MainHeight"), px(5000));
    m_window.reset();

    MainWindow &again = start();
    EXPECT_EQ(again.frameGeometry().topLeft(), QPoint(px(2000), px(3000)));
    again.move(px(100), px(100));
    again.showMinimized();
    again.close();
    EXPECT_EQ(stored("MainLeft"), px(2000));
}

} // namespace

namespace {

TEST(CommandLine, FilesAreThePositionalArgumentsAndDoubleDashEndsTheOptions)
{
    QCommandLineParser parser;
    pelmark::workspace::describeCommandLine(parser);
    ASSERT_TRUE(parser.parse({QStringLiteral("pelmark"), QStringLiteral("a.rtf"), QStringLiteral("--"),
                              QStringLiteral("--help"), QStringLiteral("-v")}));
    EXPECT_EQ(parser.positionalArguments(),
              (QStringList{QStringLiteral("a.rtf"), QStringLiteral("--help"), QStringLiteral("-v")}));
    EXPECT_FALSE(parser.isSet(QStringLiteral("help")));

    QCommandLineParser asked;
    pelmark::workspace::describeCommandLine(asked);
    ASSERT_TRUE(asked.parse({QStringLiteral("pelmark"), QStringLiteral("--version")}));
    EXPECT_TRUE(asked.isSet(QStringLiteral("version")));
    EXPECT_TRUE(asked.positionalArguments().isEmpty());
}

} // namespace
