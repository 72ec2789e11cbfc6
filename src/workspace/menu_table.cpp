#include "menu_table.h"

#include <array>

namespace pelmark::workspace {
namespace {

constexpr std::array<MenuSpec, 6> kMenus{{
    {"mnuFile", u"Файл"},
    {"mnuEdit", u"Правка"},
    {"mnuView", u"Вид"},
    {"mnuTools", u"Pelmark"},
    {"mnuWindow", u"Окна"},
    {"mnuHelp", u"Помощь"},
}};

// clang-format off
constexpr std::array<MenuItemSpec, 27> kItems{{
    {"mnuFile", "mnuFileNew",              u"Создать",                  "Ctrl+N", Command::FileNew},
    {"mnuFile", "mnuFileOpen",             u"Открыть",                  "Ctrl+O", Command::FileOpen},
    {"mnuFile", "mnuFileBar0",             nullptr,                     nullptr,  Command::None},
    {"mnuFile", "mnuFileSave",             u"Сохранить",                nullptr,  Command::FileSave},
    {"mnuFile", "mnuFileSaveAs",           u"Сохранить как",            nullptr,  Command::FileSaveAs},
    {"mnuFile", "mnuFileBar2",             nullptr,                     nullptr,  Command::None},
    {"mnuFile", "mnuFilePageSetup",        u"Параметры страницы",       nullptr,  Command::FilePageSetup},
    {"mnuFile", "mnuFont",                 u"Шрифт",                    nullptr,  Command::Font},
    {"mnuFile", "mnuFilePrint",            u"Печать",                   nullptr,  Command::FilePrint},
    {"mnuFile", "mnuFileBar3",             nullptr,                     nullptr,  Command::None},
    {"mnuFile", "mnuFileExit",             u"Выход",                    nullptr,  Command::FileExit},
    {"mnuEdit", "mnuEditCut",              u"Вырезать",                 "Ctrl+X", Command::EditCut},
    {"mnuEdit", "mnuEditCopy",             u"Копировать",               "Ctrl+C", Command::EditCopy},
    {"mnuEdit", "mnuEditPaste",            u"Вставить",                 "Ctrl+V", Command::EditPaste},
    {"mnuView", "mnuViewToolbar",          u"Панель инструментов",      nullptr,  Command::ViewToolbar},
    {"mnuTools", "mnuOpenClish",           u"Открыть окно ввода клише", "F2",     Command::OpenCliche},
    {"mnuTools", "mnuKKMSelect",           u"Выбор модели ККМ",         nullptr,  Command::None, true},
    {"mnuWindow", "mnuWindowNewWindow",    u"Новое",                    nullptr,  Command::WindowNew},
    {"mnuWindow", "mnuWindowBar0",         nullptr,                     nullptr,  Command::None},
    {"mnuWindow", "mnuWindowCascade",      u"Каскадом",                 nullptr,  Command::WindowCascade},
    {"mnuWindow", "mnuWindowTileHorizontal", u"Горизонтально",          nullptr,  Command::WindowTileHorizontal},
    {"mnuWindow", "mnuWindowTileVertical", u"Вертикально",              nullptr,  Command::WindowTileVertical},
    {"mnuHelp", "mnuHelpContents",         u"Открыть помощь",           "F1",     Command::HelpContents},
    {"mnuHelp", "mnuFind",                 u"Найти",                    "F3",     Command::Find},
    {"mnuHelp", "mnuFindNext",             u"Найти следующее",          "F4",     Command::FindNext},
    {"mnuHelp", "mnuHelpBar0",             nullptr,                     nullptr,  Command::None},
    {"mnuHelp", "mnuHelpAbout",            u"Описание",                 nullptr,  Command::HelpAbout},
}};

constexpr std::array<ToolSpec, 17> kTools{{
    {"New",         "1037", "document-new",          Command::FileNew},
    {"Open",        "1038", "document-open",         Command::FileOpen},
    {"Save",        "1039", "document-save",         Command::FileSave},
    {nullptr,       nullptr, nullptr,                Command::None},
    {"Print",       "1040", "document-print",        Command::FilePrint},
    {nullptr,       nullptr, nullptr,                Command::None},
    {"Cut",         "1041", "edit-cut",              Command::EditCut},
    {"Copy",        "1042", "edit-copy",             Command::EditCopy},
    {"Paste",       "1043", "edit-paste",            Command::EditPaste},
    {nullptr,       nullptr, nullptr,                Command::None},
    {"Bold",        "1044", "format-text-bold",      Command::Bold},
    {"Italic",      "1045", "format-text-italic",    Command::Italic},
    {"Underline",   "1046", "format-text-underline", Command::Underline},
    {nullptr,       nullptr, nullptr,                Command::None},
    {"Align Left",  "1047", "format-justify-left",   Command::AlignLeft},
    {"Center",      "1048", "format-justify-center", Command::AlignCenter},
    {"Align Right", "1049", "format-justify-right",  Command::AlignRight},
}};
// clang-format on

} // namespace

std::span<const MenuSpec> menuBarMenus()
{
    return kMenus;
}
std::span<const MenuItemSpec> menuBarItems()
{
    return kItems;
}
std::span<const ToolSpec> toolbarEntries()
{
    return kTools;
}

} // namespace pelmark::workspace
