// The menu bar and the toolbar as users see them.
#include "workspace_fixture.h"

#include "catalogue.h"
#include "toolbar_icons.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace pelmark::workspace;

namespace {

// One menu's items: objectName, caption ("-" for a separator) and shortcut.
QStringList describe(const QMenu &menu)
{
    QStringList out;
    for (QAction *action : menu.actions()) {
        QString text = action->objectName().isEmpty() && action->menu() ? action->menu()->objectName()
                                                                        : action->objectName();
        text += QLatin1Char('|') + (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->shortcut().isEmpty())
            text += QLatin1Char('|') + action->shortcut().toString();
        out << text;
    }
    return out;
}

TEST_F(WorkspaceTest, MenuBarHoldsItsMenusAndItemsInOrder)
{
    start();
    QStringList menus;
    for (QAction *action : main().menuBar()->actions())
        menus << action->menu()->objectName() + QLatin1Char('|') + action->text();
    EXPECT_EQ(menus, (QStringList{"mnuFile|Файл", "mnuEdit|Правка", "mnuView|Вид", "mnuTools|Pelmark",
                                  "mnuWindow|Окна", "mnuHelp|Помощь"}));

    const std::pair<const char *, QStringList> expected[] = {
        {"mnuFile",
         {"mnuFileNew|Создать|Ctrl+N", "mnuFileOpen|Открыть|Ctrl+O", "mnuFileBar0|-", "mnuFileSave|Сохранить",
          "mnuFileSaveAs|Сохранить как", "mnuFileBar2|-", "mnuFilePageSetup|Параметры страницы",
          "mnuFont|Шрифт", "mnuFilePrint|Печать", "mnuFileBar3|-", "mnuFileExit|Выход"}},
        {"mnuEdit",
         {"mnuEditCut|Вырезать|Ctrl+X", "mnuEditCopy|Копировать|Ctrl+C", "mnuEditPaste|Вставить|Ctrl+V"}},
        {"mnuView", {"mnuViewToolbar|Панель инструментов"}},
        {"mnuTools",
         {"mnuOpenClish|Открыть окно ввода клише|F2", "mnuKKMSelect|Выбор модели ККМ",
          "mnuPreview|Предпросмотр чека|F5"}},
        {"mnuWindow",
         {"mnuWindowNewWindow|Новое", "mnuWindowBar0|-", "mnuWindowCascade|Каскадом",
          "mnuWindowTileHorizontal|Горизонтально", "mnuWindowTileVertical|Вертикально"}},
        {"mnuHelp",
         {"mnuHelpContents|Открыть помощь|F1", "mnuFind|Найти|F3", "mnuFindNext|Найти следующее|F4",
          "mnuHelpBar0|-", "mnuHelpAbout|Описание"}},
    };
    for (const auto &[name, items] : expected) {
        SCOPED_TRACE(name);
        const QMenu *menu = main().findChild<QMenu *>(QLatin1String(name));
        ASSERT_NE(menu, nullptr);
        QStringList actual = describe(*menu);
        if (QLatin1String(name) == QLatin1String("mnuWindow"))
            actual = actual.mid(0, 5); // then the list of open windows
        EXPECT_EQ(actual, items);
    }
    EXPECT_TRUE(action("mnuViewToolbar")->isChecked());
}

TEST_F(WorkspaceTest, ModelMenuHoldsTheTwentySixModelsInTheirSubmenus)
{
    start();
    const QMenu *models = main().findChild<QMenu *>(QStringLiteral("mnuKKMSelect"));
    ASSERT_NE(models, nullptr);
    EXPECT_EQ(describe(*models),
              (QStringList{"mnuAMC|АМС", "mnuAstra|Астра", "mnuLadogaFK|Ладога Ф/К", "mnuMerqury|Меркурий",
                           "mnuMicro|Микро", "mnuMinica|Миника", "mnuOKA|Ока", "mnuOrion100k|Орион-100К",
                           "mnuSamsung|Самсунг", "mnuShtrih|Штрих", "mnuEKR|ЭКР", "mnuWab04RK|Wab 04RK"}));
    EXPECT_EQ(describe(*main().findChild<QMenu *>(QStringLiteral("mnuAMC"))),
              (QStringList{"mnuAMC100k|АМС-100К", "mnuAMC100Fv17|АМС-100Фв17", "mnuAMC100F|АМС-100Ф",
                           "mnuAMC200F|АМС-200Ф", "mnuAMC100MK|АМС-100МК", "mnuAMCmin100K|АМС-мини 100К"}));
    EXPECT_EQ(describe(*main().findChild<QMenu *>(QStringLiteral("mnuShtrih"))),
              (QStringList{"mnuShtrihmK|Штрих-мини-К", "mnuElvesmK|Эвес-микро-К"}));
    for (const pelmark::ModelEntry &model : pelmark::modelCatalogue())
        EXPECT_NE(action(model.command.data()), nullptr) << model.command;
}

TEST_F(WorkspaceTest, ToolbarHasItsButtonsInOrderWithWordsForTooltips)
{
    start();
    QToolBar &toolBar = *main().toolBar();
    const auto keyOf = [&toolBar](QAction *action) { return toolBar.widgetForAction(action)->objectName(); };
    QStringList entries;
    for (QAction *action : toolBar.actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : keyOf(action) + "|" + action->toolTip());
    EXPECT_EQ(entries,
              (QStringList{"New|Создать", "Open|Открыть", "Save|Сохранить", "-", "Print|Печать", "-",
                           "Cut|Вырезать", "Copy|Копировать", "Paste|Вставить", "-", "Bold|Полужирный",
                           "Italic|Курсив", "Underline|Подчёркнутый", "-", "Align Left|По левому краю",
                           "Center|По центру", "Align Right|По правому краю"}));
    EXPECT_EQ(toolBar.objectName(), QStringLiteral("tbToolBar"));
    // A command on the menu and the toolbar is one action: the menu item's.
    EXPECT_EQ(button("New"), action("mnuFileNew"));
    EXPECT_EQ(button("Paste"), action("mnuEditPaste"));
    for (QAction *button : toolBar.actions()) {
        if (!button->isSeparator()) {
            const QString key = keyOf(button);
            EXPECT_EQ(button->icon().actualSize(QSize(16, 16)), QSize(16, 16)) << key.toStdString();
            // Without an icon theme the button still needs a picture of its own.
            EXPECT_TRUE(pelmark::workspace::hasDrawnPicture(key.toLatin1().constData())) << key.toStdString();
        }
    }
    // The alignment buttons are one group: pressing one releases the others.
    QAction *left = button("Align Left");
    QAction *centre = button("Center");
    ASSERT_NE(left->actionGroup(), nullptr);
    EXPECT_EQ(left->actionGroup(), centre->actionGroup());
    EXPECT_EQ(left->actionGroup(), button("Align Right")->actionGroup());
}

TEST_F(WorkspaceTest, ToolbarCommandShowsAndHidesTheToolbar)
{
    start();
    main().show();
    trigger("mnuViewToolbar");
    EXPECT_FALSE(action("mnuViewToolbar")->isChecked());
    EXPECT_FALSE(main().toolBar()->isVisible());
    trigger("mnuViewToolbar");
    EXPECT_TRUE(action("mnuViewToolbar")->isChecked());
    EXPECT_TRUE(main().toolBar()->isVisible());
}

} // namespace
