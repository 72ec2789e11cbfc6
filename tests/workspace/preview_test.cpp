// «Предпросмотр чека»: the receipt follows the cliche as it is typed and the model as it is
// chosen, and changes nothing it shows.
#include "catalogue.h"
#include "qt_text.h"
#include "receipt_preview_window.h"
#include "settings_names.h"
#include "workspace_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace pelmark::workspace;

namespace {

// Types `text` key by key, as a Russian keyboard does (QTest's key clicks know only ASCII).
void type(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

class PreviewTest : public WorkspaceTest {
protected:
    ReceiptPreviewWindow &openPreview()
    {
        trigger("mnuPreview");
        ReceiptPreviewWindow *preview = main().existingPreviewWindow();
        EXPECT_NE(preview, nullptr);
        return *preview;
    }
    QComboBox &chooser()
    {
        return *main().existingPreviewWindow()->findChild<QComboBox *>(QStringLiteral("cboModel"));
    }
    void choose(const char *command)
    {
        QComboBox &box = chooser();
        const pelmark::ModelEntry *model = pelmark::findModel(pelmark::toU16String(QLatin1String(command)));
        ASSERT_NE(model, nullptr);
        const int index = box.findData(uint(model - pelmark::modelCatalogue().data()), Qt::UserRole + 1);
        ASSERT_GE(index, 0);
        box.setCurrentIndex(index);
        emit box.activated(index);
    }
};

TEST_F(PreviewTest, TypingUpdatesTheTapeAndChoosingAModelRecentresIt)
{
    writeHelp();
    start();
    trigger("mnuOpenClish");
    ReceiptPreviewWindow &preview = openPreview();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Предпросмотр чека"));
    EXPECT_EQ(preview.model().command, "mnuAMC100k"); // the menu's first before any choice

    auto *box = main().clicheWindow().findChild<QTextEdit *>(QStringLiteral("TxtClsh"));
    box->clear();
    type(box, QStringLiteral("Чек"));
    EXPECT_EQ(preview.tapeText(), QStringLiteral("       Чек        "));
    QTest::keyClick(box, Qt::Key_Return);
    type(box, QStringLiteral("Спасибо за покупку!"));
    EXPECT_EQ(preview.tapeText(), QStringLiteral("       Чек        \nСпасибо за покупку!"));
    EXPECT_EQ(preview.summary(),
              QStringLiteral("Строк: 2 из 100 · ширина 18 · не помещаются: строка 2 (+1)"));

    choose("mnuOKAPK"); // 24 wide, capitals
    EXPECT_EQ(preview.tapeText(), QStringLiteral("          ЧЕК           \n  СПАСИБО ЗА ПОКУПКУ!   "));
    EXPECT_EQ(preview.summary(), QStringLiteral("Строк: 2 из 100 · ширина 24 · все строки помещаются"));
    // The preview changed nothing.
    EXPECT_EQ(main().clicheWindow().text(), QStringLiteral("Чек\r\nСпасибо за покупку!"));
}

TEST_F(PreviewTest, MarksCharactersTheChartLacksAndFollowsTheCopiedText)
{
    writeHelp();
    start();
    main().clicheWindow().setText(QStringLiteral("№ 1"));
    ReceiptPreviewWindow &preview = openPreview();
    EXPECT_EQ(
        preview.summary(),
        QStringLiteral(
            "Строк: 1 из 100 · ширина 18 · все строки помещаются · нет в таблице кодов (будет rus?_): 1"));
    auto *tape = preview.findChild<QPlainTextEdit *>(QStringLiteral("txtTape"));
    ASSERT_NE(tape, nullptr);
    EXPECT_TRUE(tape->isReadOnly());
    const QList<QTextLayout::FormatRange> marks = tape->document()->firstBlock().layout()->formats();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(tape->document()->firstBlock().text().mid(marks.front().start, marks.front().length),
              QStringLiteral("№"));

    tape->selectAll();
    tape->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("       № 1        "));

    // A line grown too long turns red as a whole; the marks follow each edit.
    main().clicheWindow().setText(QStringLiteral("ok\r\n") + QString(20, QLatin1Char('x')));
    const QTextBlock second = tape->document()->findBlockByNumber(1);
    ASSERT_EQ(second.layout()->formats().size(), 1);
    EXPECT_EQ(second.layout()->formats().front().length, 20);
    EXPECT_EQ(second.layout()->formats().front().format.foreground().color().red(), 0xC6);
    EXPECT_TRUE(tape->document()->firstBlock().layout()->formats().isEmpty());
}

TEST_F(PreviewTest, TheChosenModelComesBackAfterARestartAndAConversionTakesOver)
{
    writeHelp();
    start();
    openPreview();
    choose("mnuSamsung4615");
    m_window.reset();
    m_settings->sync();
    m_settings->beginGroup(kSettingsGroup);
    EXPECT_EQ(m_settings->value(kPreviewModelKey).toString(), QStringLiteral("mnuSamsung4615"));
    m_settings->endGroup();

    start();
    ReceiptPreviewWindow &preview = openPreview();
    EXPECT_EQ(preview.model().command, "mnuSamsung4615");
    EXPECT_EQ(chooser().currentText().trimmed(), QStringLiteral("Самсунг 4615 Ф/К"));

    // A conversion works as it always did, and the preview shows the model converted last.
    main().clicheWindow().setText(QStringLiteral("МАГАЗИН\r\nСпасибо!"));
    trigger("mnuAMC100k");
    EXPECT_EQ(activeBox().text(),
              QStringLiteral("Код для АМС100К\r\nМАГАЗИН\r\nСпасибо!\r\n"
                             "строка: 001_032_032_032_032_032_204_192_195_192_199_200_205_\r\n"
                             "строка: 001_032_032_032_032_032_209_239_224_241_232_225_238_033_\r\n"
                             "строка: 001_"));
    EXPECT_EQ(preview.model().command, "mnuAMC100k");
    // The tape shows the laid-out cliche as the next conversion would print it: centred once
    // more, its closing line end an empty line.
    EXPECT_EQ(preview.tapeText(),
              QStringLiteral("        МАГАЗИН   \n       Спасибо!   \n") + QString(18, ' '));
}

TEST_F(PreviewTest, ClosingTheInputWindowShowsTheInitialText)
{
    writeHelp();
    start();
    main().clicheWindow().setText(QStringLiteral("A"));
    ReceiptPreviewWindow &preview = openPreview();
    EXPECT_EQ(preview.tapeText(), QString(8, ' ') + "A" + QString(9, ' '));
    main().closeClicheWindow();
    EXPECT_TRUE(preview.tapeText().startsWith(QStringLiteral("  Окно для ввода текста клише")));
}

} // namespace

namespace {

// The tape replaces only the lines that changed; whatever the edit, it ends up as a fresh tape.
TEST(ReceiptTape, EditsOfAnyShapeLeaveTheTapeAsAFreshOneWouldBe)
{
    const pelmark::ModelEntry &model = pelmark::modelCatalogue().front();
    ReceiptPreviewWindow preview(model);
    const QStringList steps = {
        QStringLiteral("a\r\nb\r\nc"),
        QStringLiteral("a\r\nb\r\nc\r\nd"),             // added at the end
        QStringLiteral("x\r\na\r\nb\r\nc\r\nd"),        // added at the top
        QStringLiteral("x\r\na\r\nnew\r\nb\r\nc\r\nd"), // added in the middle
        QStringLiteral("x\r\na\r\nnew\r\nc\r\nd"),      // removed in the middle
        QStringLiteral("a\r\nnew\r\nc\r\nd"),           // removed at the top
        QStringLiteral("a\r\nnew"),                     // removed at the end
        QStringLiteral("a\r\nNEW"),                     // changed
        QStringLiteral("a\r\na"),                       // same lines repeated
        QStringLiteral("a"),
        QStringLiteral(""),
        QStringLiteral("1\r\n2\r\n3\r\n4"),
        QStringLiteral("1\r\n3"),
    };
    for (const QString &cliche : steps) {
        SCOPED_TRACE(cliche.toStdString());
        preview.setCliche(cliche);
        ReceiptPreviewWindow fresh(model);
        fresh.setCliche(cliche);
        EXPECT_EQ(preview.tapeText(), fresh.tapeText());
    }
}

// "@" has a code on one chart of width 18 and none on the other: the same text, marked anew.
TEST(ReceiptTape, AnotherModelMarksTheSameTextAnew)
{
    ReceiptPreviewWindow preview(*pelmark::findModel(u"mnuAMC100k"));
    preview.setCliche(QStringLiteral("a@b"));
    const QTextBlock line = preview.findChild<QPlainTextEdit *>()->document()->firstBlock();
    EXPECT_TRUE(line.layout()->formats().isEmpty());
    preview.setModel(*pelmark::findModel(u"mnuAMC200F"));
    ASSERT_EQ(line.layout()->formats().size(), 1);
    EXPECT_EQ(line.text().at(line.layout()->formats().front().start), QLatin1Char('@'));
}

} // namespace
