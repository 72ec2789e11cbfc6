// The cliche input window: created on first use, counters, the prompt that a click clears.
#include "workspace_fixture.h"

#include <QClipboard>
#include <QTest>
#include <QTextEdit>

using namespace pelmark::workspace;
using pelmark::input::ClicheInputWindow;

namespace {

struct CounterCase {
    const char *what;
    QString text;
    QString lines;
    QString characters;
};

TEST_F(WorkspaceTest, InputWindowCountsLinesAndCharacters)
{
    start();
    ClicheInputWindow &input = main().clicheWindow();
    EXPECT_EQ(input.lineCountText(), QString()); // nothing counted before the first change
    EXPECT_EQ(input.characterCountText(), QString());
    const CounterCase cases[] = {
        {"empty", QString(), " 1", "0"},
        {"one line", QStringLiteral("АБВ"), " 1", "3"},
        {"two lines", QStringLiteral("АБВ\r\nГД"), " 2", "5"},
        {"closing line end", QStringLiteral("АБВ\r\n"), " 2", "3"},
    };
    for (const CounterCase &c : cases) {
        SCOPED_TRACE(c.what);
        input.setText(c.text);
        EXPECT_EQ(input.text(), c.text);
        EXPECT_EQ(input.lineCountText(), c.lines);
        EXPECT_EQ(input.characterCountText(), c.characters);
    }
    // A line the box wraps counts once per displayed line.
    input.show();
    input.setText(QString(200, QLatin1Char('x')));
    const int lines = input.lineCountText().trimmed().toInt();
    EXPECT_GT(lines, 1);
    EXPECT_EQ(input.characterCountText(), QString::number(200 - 2 * lines + 2));
}

TEST_F(WorkspaceTest, InputWindowIsOneHiddenWindowUntilShownAndClosingDiscardsIt)
{
    start();
    EXPECT_EQ(main().existingClicheWindow(), nullptr);
    ClicheInputWindow *input = &main().clicheWindow();
    ASSERT_NE(input, nullptr);
    EXPECT_FALSE(input->isVisible());
    EXPECT_EQ(input->windowTitle(), QStringLiteral("ВВод клише"));
    EXPECT_EQ(input->text(), QStringLiteral("  Окно для ввода текста клише\r\n"));
    EXPECT_EQ(input->findChild<QTextEdit *>(QStringLiteral("TxtClsh")), input->textBox());
    EXPECT_EQ(input->textBox()->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(input->textBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    input->setText(QStringLiteral("typed"));
    trigger("mnuOpenClish");
    EXPECT_EQ(&main().clicheWindow(), input);
    EXPECT_TRUE(input->isVisible());
    EXPECT_EQ(input->text(), QStringLiteral("typed"));
    EXPECT_FALSE(input->parentWidget()); // a top-level window of its own

    input->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(main().existingClicheWindow(), nullptr);
    trigger("mnuOpenClish");
    EXPECT_EQ(main().existingClicheWindow()->text(), QStringLiteral("  Окно для ввода текста клише\r\n"));
    EXPECT_EQ(main().existingClicheWindow()->lineCountText(), QString());
}

TEST_F(WorkspaceTest, ClickClearsOnlyTheUntouchedPromptAndLeavesTheClipboard)
{
    start();
    trigger("mnuOpenClish");
    ClicheInputWindow &input = *main().existingClicheWindow();
    QApplication::clipboard()->setText(QStringLiteral("keep"));
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        input.setText(QStringLiteral("  Окно для ввода текста клише\r\n"));
        QTest::mousePress(input.textBox()->viewport(), button, {}, QPoint(5, 5));
        QTest::mouseRelease(input.textBox()->viewport(), button, {}, QPoint(5, 5));
        EXPECT_EQ(input.text(), QString());
        EXPECT_EQ(input.lineCountText(), QStringLiteral(" 1"));
        EXPECT_EQ(input.characterCountText(), QStringLiteral("0"));
    }
    input.setText(QStringLiteral("МАГАЗИН"));
    QTest::mouseClick(input.textBox()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(input.text(), QStringLiteral("МАГАЗИН"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("keep"));
}

} // namespace
