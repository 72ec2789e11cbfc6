// Conversions from the model menu into the active document.
#include "workspace_fixture.h"

using namespace pelmark::workspace;

namespace {

// One model of every chart family, with a cliche and the code line it gives.
struct FamilyCase {
    const char *command;
    QString cliche;
    QString listing;
};

TEST_F(WorkspaceTest, ModelCommandsWriteTheListingIntoTheActiveDocument)
{
    writeHelp();
    start();
    const FamilyCase cases[] = {
        {"mnuAMC100k", "МАГАЗИН\r\nСпасибо!",
         "Код для АМС100К\r\nМАГАЗИН\r\nСпасибо!\r\nстрока: "
         "001_032_032_032_032_032_204_192_195_192_199_200_205_\r\n"
         "строка: 001_032_032_032_032_032_209_239_224_241_232_225_238_033_\r\nстрока: 001_"},
        {"mnuMicro103104K", "КАССА 1",
         "Код для МИКРО 103-104К\r\nКАССА 1\r\nстрока: "
         "032_032_032_032_106_096_113_113_096_032_049_\r\nстрока: "},
        {"mnuAstra100F", "№5",
         "Код для ККМ Астра 100Ф\r\n№5\r\nстрока: " + QString("32_").repeated(11) + "36_53_\r\nстрока: "},
        {"mnuEKR3102", "Ф/К",
         "Код для ЭКР3102Ф/К\r\nФ/К\r\nстрока: " + QString("01_").repeated(6) + "82_16_72_\r\nстрока: "},
        {"mnuLadogaFK", "^",
         "Код для Ладога Ф/К\r\n^\r\nстрока: " + QString("32_").repeated(11) + "255_\r\nстрока: "},
        {"mnuOKAPK", "+А",
         "Код для ОКА ПК\r\n+А\r\nстрока: " + QString("00_").repeated(11) +
             "\u04211/3L\u04211/7_\r\nстрока: "},
        {"mnuSamsung4615", "ЯZ",
         "Код для САМСУНГ 4615\r\nЯZ\r\nстрока: " + QString("032_").repeated(9) + "006_090_\r\nстрока: "},
    };
    for (const FamilyCase &c : cases) {
        SCOPED_TRACE(c.command);
        main().clicheWindow().setText(c.cliche);
        trigger(c.command);
        EXPECT_EQ(activeBox().text(), c.listing);
        EXPECT_EQ(caption(main().activeDocument()), QStringLiteral("Ввод текста клише "));
    }
    EXPECT_TRUE(m_dialog.messages().isEmpty());
    EXPECT_FALSE(main().existingClicheWindow()->isVisible());
}

TEST_F(WorkspaceTest, ConversionBeforeTheInputWindowWasOpenedRejectsThePrompt)
{
    writeHelp();
    start();
    trigger("mnuSamsung250");
    EXPECT_EQ(activeBox().text(),
              QStringLiteral("Код для САМСУНГ 250\r\n  Окно для ввода текста клише\r\n\r\nстрока: "));
    EXPECT_EQ(m_dialog.messages(), QStringList{QStringLiteral("Строка превышает допустимую длину!")});
    ASSERT_NE(main().existingClicheWindow(), nullptr);
    EXPECT_FALSE(main().existingClicheWindow()->isVisible());
    // The text stays as it was, for the user to mend.
    EXPECT_EQ(main().existingClicheWindow()->text(), QStringLiteral("  Окно для ввода текста клише\r\n"));
}

TEST_F(WorkspaceTest, ConversionWithTheInputWindowFocusedGoesToTheCurrentDocument)
{
    writeHelp();
    start();
    main().show();
    DocumentWindow *instructions = main().documents().front();
    main().mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(instructions->parentWidget()));
    trigger("mnuOpenClish");
    main().existingClicheWindow()->setText(QStringLiteral("AB"));
    main().existingClicheWindow()->activateWindow();
    QApplication::processEvents();
    trigger("mnuWab04RK");
    EXPECT_TRUE(instructions->textBox()->text().startsWith(QStringLiteral("Код для WAB 04RK\r\nAB\r\n")));
}

TEST_F(WorkspaceTest, ConversionWithNoDocumentOpensANumberedOne)
{
    start();
    main().mdiArea()->closeAllSubWindows();
    QApplication::processEvents();
    ASSERT_TRUE(main().documents().isEmpty());
    main().clicheWindow().setText(QStringLiteral("A"));
    trigger("mnuOka102K");
    EXPECT_EQ(captions(), QStringList{QStringLiteral("Document 1")});
    EXPECT_EQ(activeBox().text(),
              "Код для Ока 102К\r\nA\r\nстрока: " + QString("33_").repeated(8) + "41_\r\nстрока: ");
    // The status bar follows the listing.
    EXPECT_EQ(main().activeDocument()->panelText(4), " " + QString::number(activeBox().displayedLineCount()));
    EXPECT_GE(activeBox().displayedLineCount(), 4);
}

} // namespace
