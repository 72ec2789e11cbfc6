#pragma once

#include "commands.h"

#include <optional>
#include <span>

namespace pelmark::workspace {

class WorkspaceCommands;

// Buttons of one group: pressing one releases the others.
enum class ButtonGroup { None, Alignment };

// Everything about one command: its one action is made from this row, and the menus and the
// toolbar place that action. Adding a command is a row here and its handler.
struct CommandSpec {
    Command command;
    const char *objectName;  // of the action; a toolbar-only command's is its button key
    const char16_t *caption; // nullptr for a toolbar-only command, which shows its key
    const char *shortcut;    // portable text of the key sequence, or nullptr
    const char *toolKey;     // the toolbar button's key: its objectName and picture; or nullptr
    const char *tooltipId;   // string-table identifier, shown until the table replaces it
    const char *themeIcon;   // the desktop theme's name for the button's picture
    bool checkable;
    bool checkedAtStart;
    ButtonGroup group;
    void (WorkspaceCommands::*handler)();
};

// The row of `command`.
const CommandSpec &commandSpec(Command command);
std::span<const CommandSpec> commandTable();

// One entry of a menu: a command's action, a named separator or the model submenu.
struct MenuEntry {
    enum class Kind { Action, Separator, ModelMenu };
    Kind kind;
    Command command;         // for Kind::Action
    const char *objectName;  // for a separator and the model submenu
    const char16_t *caption; // for the model submenu
};

struct MenuLayout {
    const char *objectName;
    const char16_t *caption;
    std::span<const MenuEntry> entries;
    bool listsWindows; // the open documents follow the entries
};

// The menu bar, left to right.
std::span<const MenuLayout> menuBarLayout();
// The toolbar, left to right; an empty entry is a separator.
std::span<const std::optional<Command>> toolBarLayout();

} // namespace pelmark::workspace
