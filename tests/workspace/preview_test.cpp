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
    ASSERT_EQ(tape->extraSelections().size(), 1);
    EXPECT_EQ(tape->extraSelections().front().cursor.selectedText(), QStringLiteral("№"));
    tape->selectAll();
    tape->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("       № 1        "));
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
