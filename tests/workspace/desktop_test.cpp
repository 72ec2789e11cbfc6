// What a user of a Russian desktop sees: Qt's own dialogs in Russian, status bars whose panels
// fit, and every text file read alike by the windows and by pelmark-convert.
#include "application.h"
#include "file_helpers.h"
#include "qt_common_dialog.h"
#include "qt_text.h"
#include "text_encoding.h"
#include "workspace_fixture.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

using namespace pelmark::workspace;

namespace {

TEST(RussianDesktop, SaveDialogButtonsAndDatesAreRussian)
{
    ASSERT_TRUE(installRussian(*QCoreApplication::instance()));
    QtCommonDialog dialog(nullptr);
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto *box = QApplication::activeModalWidget()->findChild<QDialogButtonBox *>();
        ASSERT_NE(box, nullptr);
        for (QAbstractButton *button : box->buttons())
            buttons << button->text().remove(QLatin1Char('&'));
        QApplication::activeModalWidget()->close();
    });
    dialog.showSave();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Сохранить"))) << buttons.join(',').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Отмена"))) << buttons.join(',').toStdString();
    QLocale::setDefault(QLocale::c());
}

// Every panel is as wide as its text at least, none overlaps the next, and none pokes out.
void expectPanelsFit(const QStatusBar &bar)
{
    int previousRight = -1;
    for (const QLabel *panel : bar.findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (!panel->isVisible())
            continue;
        SCOPED_TRACE(panel->text().toStdString());
        EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text()));
        EXPECT_GT(panel->x(), previousRight);
        EXPECT_LE(panel->geometry().right(), bar.width());
        previousRight = panel->geometry().right();
    }
}

QStringList shownPanels(const QStatusBar &bar)
{
    QStringList names;
    for (const QLabel *panel : bar.findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (panel->isVisible())
            names << panel->objectName();
    }
    return names;
}

TEST_F(WorkspaceTest, StatusPanelsFitTheirTextsAndLeaveOutTheDateFirst)
{
    writeHelp();
    start();
    main().show();
    main().clicheWindow().show();
    main().clicheWindow().setText(QStringLiteral("Магазин\r\nСпасибо за покупку"));
    QApplication::processEvents();
    const QStatusBar &inputBar = *main().clicheWindow().statusBar();
    expectPanelsFit(inputBar);
    EXPECT_EQ(inputBar.findChildren<QLabel *>(Qt::FindDirectChildrenOnly).size(), 4);
    for (const QLabel *panel : inputBar.findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(panel->isVisible()) << panel->text().toStdString();

    QMdiSubWindow *window = main().mdiArea()->currentSubWindow();
    const QStatusBar &bar = *main().activeDocument()->statusBar();
    const QStringList all{"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6"};
    window->resize(900, 300);
    QApplication::processEvents();
    EXPECT_EQ(shownPanels(bar), all);
    expectPanelsFit(bar);
    for (int width : {700, 500, 300, 216, 120}) {
        window->resize(width, 300);
        QApplication::processEvents();
        SCOPED_TRACE(width);
        expectPanelsFit(bar);
        const QStringList shown = shownPanels(bar);
        EXPECT_EQ(shown, all.mid(0, shown.size())); // left out from the right
    }
    window->resize(216, 300);
    QApplication::processEvents();
    EXPECT_LT(shownPanels(bar).size(), 6);
    window->resize(900, 300);
    QApplication::processEvents();
    EXPECT_EQ(shownPanels(bar), all);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"))
                    .match(main().activeDocument()->panelText(6))
                    .hasMatch())
        << main().activeDocument()->panelText(6).toStdString();
}

struct EncodingCase {
    const char *what;
    QByteArray bytes;
};

// The windows' open and pelmark-convert --text read each file to the same text.
TEST_F(WorkspaceTest, BothProgramsReadEveryTextFileAlike)
{
    writeHelp();
    start();
    const EncodingCase cases[] = {
        {"UTF-8", "Касса №1\r\nСпасибо"},
        {"UTF-8 with a BOM", "\xEF\xBB\xBFКасса\r\nЁж"},
        {"UTF-16 LE with a BOM", QByteArray("\xFF\xFE\x1A\x04\x30\x04\x0D\x00\x0A\x00\x41\x00", 12)},
        {"UTF-16 BE with a BOM", QByteArray("\xFE\xFF\x04\x1A\x04\x30\x00\x0D\x00\x0A\x00\x41", 12)},
        {"Windows-1251", "\xCA\xE0\xF1\xF1\xE0 \xB9\x31\r\n\xA8\xB8"},
        {"invalid UTF-8", "\xC3\x28 \xE2\x82"},
    };
    for (const EncodingCase &c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path("cliche.txt"), c.bytes);
        QProcess convert;
        convert.start(QStringLiteral(PELMARK_CONVERT), {QStringLiteral("--text"), path("cliche.txt")});
        ASSERT_TRUE(convert.waitForFinished());
        ASSERT_EQ(convert.exitCode(), 0);
        const QString fromCli = QString::fromUtf8(convert.readAllStandardOutput());

        m_dialog.fileAnswers = {path("cliche.txt")};
        trigger("mnuFileOpen");
        EXPECT_EQ(activeBox().text(), fromCli);
        EXPECT_EQ(fromCli, pelmark::toQString(pelmark::encoding::toClicheLineEnds(
                               pelmark::encoding::decodeText(std::string_view(c.bytes.data(), c.bytes.size())))));
    }
}

} // namespace
