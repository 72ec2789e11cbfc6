// Document windows: captions and numbers, the status bar counts, the window menu.
#include "workspace_fixture.h"

#include "twips.h"

#include <QMenu>

using namespace pelmark::workspace;

namespace {

TEST_F(WorkspaceTest, NumberedDocumentsNeverReuseANumber)
{
    writeHelp();
    start();
    trigger("mnuFileNew");
    trigger("mnuWindowNewWindow");
    EXPECT_EQ(captions().mid(2), (QStringList{"Document 1", "Document 2"}));
    main().activeDocument()->parentWidget()->close();
    QApplication::processEvents();
    button("New")->trigger();
    EXPECT_EQ(captions().mid(2), (QStringList{"Document 1", "Document 3"}));
    EXPECT_EQ(main().documentCounter(), 3);
}

TEST_F(WorkspaceTest, StatusBarCountsCharactersAndDisplayedLines)
{
    start();
    DocumentWindow &document = *main().activeDocument();
    EXPECT_EQ(document.panelText(1), QStringLiteral("Число символов"));
    EXPECT_EQ(document.panelText(3), QStringLiteral("Число строк"));
    EXPECT_EQ(document.panelText(2), QString()); // a fresh document counts nothing yet
    EXPECT_EQ(document.panelText(4), QString());
    EXPECT_FALSE(document.panelText(5).isEmpty()); // time
    EXPECT_FALSE(document.panelText(6).isEmpty()); // date

    document.textBox()->setText(QStringLiteral("AB\r\nC"));
    EXPECT_EQ(document.panelText(4), QStringLiteral(" 2"));
    EXPECT_EQ(document.panelText(2), QStringLiteral("3"));
    document.textBox()->selectAll();
    document.textBox()->textCursor().removeSelectedText();
    EXPECT_EQ(document.panelText(4), QStringLiteral(" 1"));
    EXPECT_EQ(document.panelText(2), QStringLiteral("0"));
}

TEST_F(WorkspaceTest, DocumentLayoutFollowsTheWindowSize)
{
    start();
    DocumentWindow &document = *main().activeDocument();
    document.parentWidget()->resize(600, 400);
    QApplication::processEvents();
    const QRect box = document.textBox()->geometry();
    const double dpi = document.logicalDpiX();
    EXPECT_EQ(box.topLeft(), QPoint(pelmark::twipsToPixels(100, dpi), pelmark::twipsToPixels(100, dpi)));
    EXPECT_EQ(box.width(), document.width() - pelmark::twipsToPixels(200, dpi));
    EXPECT_EQ(box.height(), document.height() - pelmark::twipsToPixels(400, dpi));
    EXPECT_EQ(document.textBox()->lineWrapColumnOrWidth(), box.width() - pelmark::twipsToPixels(400, dpi));
    // Too small for the margins: nothing breaks, the window simply keeps what fits.
    document.parentWidget()->resize(10, 10);
    QApplication::processEvents();
}

TEST_F(WorkspaceTest, TilingAndCascading)
{
    writeHelp();
    start();
    main().show();
    const QSize area = main().mdiArea()->viewport()->size();
    trigger("mnuWindowTileHorizontal");
    QRect a = main().documents()[0]->parentWidget()->geometry();
    QRect b = main().documents()[1]->parentWidget()->geometry();
    EXPECT_EQ(a.width(), area.width());
    EXPECT_EQ(b.width(), area.width());
    EXPECT_LE(a.bottom(), b.top());
    trigger("mnuWindowTileVertical");
    a = main().documents()[0]->parentWidget()->geometry();
    b = main().documents()[1]->parentWidget()->geometry();
    EXPECT_EQ(a.height(), area.height());
    EXPECT_EQ(b.height(), area.height());
    EXPECT_LE(a.right(), b.left());
    trigger("mnuWindowCascade");
    a = main().documents()[0]->parentWidget()->geometry();
    b = main().documents()[1]->parentWidget()->geometry();
    EXPECT_NE(a.topLeft(), b.topLeft());
}

TEST_F(WorkspaceTest, WindowMenuListsTheDocumentsWithTheActiveOneChecked)
{
    writeHelp();
    start();
    QMenu *menu = main().findChild<QMenu *>(QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    QStringList listed;
    QAction *instructions = nullptr;
    for (QAction *action : menu->actions().mid(6)) {
        listed << action->text() + (action->isChecked() ? "*" : "");
        if (action->text() == QStringLiteral("Инструкции "))
            instructions = action;
    }
    EXPECT_EQ(listed, (QStringList{"Инструкции ", "Ввод текста клише *"}));
    ASSERT_NE(instructions, nullptr);
    instructions->trigger();
    EXPECT_EQ(caption(main().activeDocument()), QStringLiteral("Инструкции "));
}

} // namespace

namespace {

TEST_F(WorkspaceTest, FilesGivenAtStartOpenInOrderAndAnUnreadableOneIsTold)
{
    writeHelp();
    for (const char *name : {"first.txt", "second.rtf"}) {
        QFile file(path(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name == std::string_view("first.txt") ? "one" : "{\\rtf1 {\\b two}}");
    }
    start();
    main().openFiles({QStringLiteral("first.txt"), path("missing.rtf"), path("second.rtf")});
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("Инструкции "), QStringLiteral("Ввод текста клише "),
                                       path("first.txt"), path("second.rtf")}));
    EXPECT_EQ(main().documents()[2]->textBox()->text(), QStringLiteral("one"));
    EXPECT_EQ(activeBox().text(), QStringLiteral("two"));
    ASSERT_EQ(m_dialog.messages().size(), 1);
    EXPECT_TRUE(m_dialog.messages().front().contains(QStringLiteral("missing.rtf")));
    EXPECT_EQ(main().documentCounter(), 0); // files take no document numbers
}

} // namespace
