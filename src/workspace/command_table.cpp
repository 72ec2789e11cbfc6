#include "command_table.h"

#include "workspace_commands.h"

#include <algorithm>
#include <array>

namespace pelmark::workspace {
namespace {

using C = Command;
using W = WorkspaceCommands;
constexpr ButtonGroup kNone = ButtonGroup::None;
constexpr ButtonGroup kAlign = ButtonGroup::Alignment;

// clang-format off
constexpr auto kCommands = std::to_array<CommandSpec>({
//   command                   objectName                 caption                      shortcut  toolKey        tooltip  theme icon               check  on     group   handler
    {C::FileNew,              "mnuFileNew",              u"Создать",                  "Ctrl+N", "New",         "1037", "document-new",          false, false, kNone,  &W::newDocument},
    {C::FileOpen,             "mnuFileOpen",             u"Открыть",                  "Ctrl+O", "Open",        "1038", "document-open",         false, false, kNone,  &W::open},
    {C::FileSave,             "mnuFileSave",             u"Сохранить",                nullptr,  "Save",        "1039", "document-save",         false, false, kNone,  &W::save},
    {C::FileSaveAs,           "mnuFileSaveAs",           u"Сохранить как",            nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::saveAs},
    {C::FilePageSetup,        "mnuFilePageSetup",        u"Параметры страницы",       nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::pageSetup},
    {C::Font,                 "mnuFont",                 u"Шрифт",                    nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::font},
    {C::FilePrint,            "mnuFilePrint",            u"Печать",                   nullptr,  "Print",       "1040", "document-print",        false, false, kNone,  &W::print},
    {C::FileExit,             "mnuFileExit",             u"Выход",                    nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::exit},
    {C::EditCut,              "mnuEditCut",              u"Вырезать",                 "Ctrl+X", "Cut",         "1041", "edit-cut",              false, false, kNone,  &W::cut},
    {C::EditCopy,             "mnuEditCopy",             u"Копировать",               "Ctrl+C", "Copy",        "1042", "edit-copy",             false, false, kNone,  &W::copy},
    {C::EditPaste,            "mnuEditPaste",            u"Вставить",                 "Ctrl+V", "Paste",       "1043", "edit-paste",            false, false, kNone,  &W::paste},
    {C::ViewToolbar,          "mnuViewToolbar",          u"Панель инструментов",      nullptr,  nullptr,       nullptr, nullptr,                true,  true,  kNone,  &W::showOrHideToolBar},
    {C::OpenCliche,           "mnuOpenClish",            u"Открыть окно ввода клише", "F2",     nullptr,       nullptr, nullptr,                false, false, kNone,  &W::showClicheWindow},
    {C::Preview,              "mnuPreview",              u"Предпросмотр чека",        "F5",     nullptr,       nullptr, nullptr,                false, false, kNone,  &W::showPreviewWindow},
    {C::WindowNew,            "mnuWindowNewWindow",      u"Новое",                    nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::newDocument},
    {C::WindowCascade,        "mnuWindowCascade",        u"Каскадом",                 nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::cascade},
    {C::WindowTileHorizontal, "mnuWindowTileHorizontal", u"Горизонтально",            nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::tileHorizontally},
    {C::WindowTileVertical,   "mnuWindowTileVertical",   u"Вертикально",              nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::tileVertically},
    {C::HelpContents,         "mnuHelpContents",         u"Открыть помощь",           "F1",     nullptr,       nullptr, nullptr,                false, false, kNone,  &W::helpContents},
    {C::Find,                 "mnuFind",                 u"Найти",                    "F3",     nullptr,       nullptr, nullptr,                false, false, kNone,  &W::find},
    {C::FindNext,             "mnuFindNext",             u"Найти следующее",          "F4",     nullptr,       nullptr, nullptr,                false, false, kNone,  &W::findNext},
    {C::HelpAbout,            "mnuHelpAbout",            u"Описание",                 nullptr,  nullptr,       nullptr, nullptr,                false, false, kNone,  &W::about},
    {C::Bold,                 "Bold",                    nullptr,                     nullptr,  "Bold",        "1044", "format-text-bold",      true,  false, kNone,  &W::bold},
    {C::Italic,               "Italic",                  nullptr,                     nullptr,  "Italic",      "1045", "format-text-italic",    true,  false, kNone,  &W::italic},
    {C::Underline,            "Underline",               nullptr,                     nullptr,  "Underline",   "1046", "format-text-underline", true,  false, kNone,  &W::underline},
    {C::AlignLeft,            "Align Left",              nullptr,                     nullptr,  "Align Left",  "1047", "format-justify-left",   true,  false, kAlign, &W::alignLeft},
    {C::AlignCenter,          "Center",                  nullptr,                     nullptr,  "Center",      "1048", "format-justify-center", true,  false, kAlign, &W::alignCenter},
    {C::AlignRight,           "Align Right",             nullptr,                     nullptr,  "Align Right", "1049", "format-justify-right",  true,  false, kAlign, &W::alignRight},
});
// clang-format on

// Row i is the row of command i, so a command without a row, or a row out of place, does not
// build. (Whether a handler is set is a test's to check: sanitizing compilers do not take a
// member pointer's comparison as a constant.)
constexpr bool rowsFollowTheCommands()
{
    if (kCommands.size() != kCommandCount)
        return false;
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const CommandSpec &row = kCommands[i];
        if (row.command != Command(i) || !row.objectName || (!row.caption && !row.toolKey) ||
            (row.toolKey && (!row.tooltipId || !row.themeIcon)))
            return false;
    }
    return true;
}
static_assert(rowsFollowTheCommands());

constexpr MenuEntry action(Command command)
{
    return {MenuEntry::Kind::Action, command, nullptr, nullptr};
}
constexpr MenuEntry separator(const char *objectName)
{
    return {MenuEntry::Kind::Separator, Command{}, objectName, nullptr};
}

constexpr auto kFileMenu = std::to_array<MenuEntry>({
    action(C::FileNew),
    action(C::FileOpen),
    separator("mnuFileBar0"),
    action(C::FileSave),
    action(C::FileSaveAs),
    separator("mnuFileBar2"),
    action(C::FilePageSetup),
    action(C::Font),
    action(C::FilePrint),
    separator("mnuFileBar3"),
    action(C::FileExit),
});
constexpr auto kEditMenu =
    std::to_array<MenuEntry>({action(C::EditCut), action(C::EditCopy), action(C::EditPaste)});
constexpr auto kViewMenu = std::to_array<MenuEntry>({action(C::ViewToolbar)});
constexpr auto kToolsMenu = std::to_array<MenuEntry>({
    action(C::OpenCliche),
    {MenuEntry::Kind::ModelMenu, Command{}, "mnuKKMSelect", u"Выбор модели ККМ"},
    action(C::Preview),
});
constexpr auto kWindowMenu = std::to_array<MenuEntry>({
    action(C::WindowNew),
    separator("mnuWindowBar0"),
    action(C::WindowCascade),
    action(C::WindowTileHorizontal),
    action(C::WindowTileVertical),
});
constexpr auto kHelpMenu = std::to_array<MenuEntry>({
    action(C::HelpContents),
    action(C::Find),
    action(C::FindNext),
    separator("mnuHelpBar0"),
    action(C::HelpAbout),
});

const auto kMenuBar = std::to_array<MenuLayout>({
    {"mnuFile", u"Файл", kFileMenu, false},
    {"mnuEdit", u"Правка", kEditMenu, false},
    {"mnuView", u"Вид", kViewMenu, false},
    {"mnuTools", u"Pelmark", kToolsMenu, false},
    {"mnuWindow", u"Окна", kWindowMenu, true},
    {"mnuHelp", u"Помощь", kHelpMenu, false},
});

constexpr std::optional<Command> kSeparator;
constexpr auto kToolBar = std::to_array<std::optional<Command>>({
    C::FileNew,
    C::FileOpen,
    C::FileSave,
    kSeparator,
    C::FilePrint,
    kSeparator,
    C::EditCut,
    C::EditCopy,
    C::EditPaste,
    kSeparator,
    C::Bold,
    C::Italic,
    C::Underline,
    kSeparator,
    C::AlignLeft,
    C::AlignCenter,
    C::AlignRight,
});

} // namespace

const CommandSpec &commandSpec(Command command)
{
    return kCommands[std::size_t(command)];
}

std::span<const CommandSpec> commandTable()
{
    return kCommands;
}

std::span<const MenuLayout> menuBarLayout()
{
    return kMenuBar;
}

std::span<const std::optional<Command>> toolBarLayout()
{
    return kToolBar;
}

} // namespace pelmark::workspace
