#pragma once

#include "commands.h"

#include <span>

namespace pelmark::workspace {

struct MenuSpec {
    const char *objectName;
    const char16_t *caption;
};

// One row of the menu bar: an item, a separator (no caption) or the model submenu.
struct MenuItemSpec {
    const char *menu;
    const char *objectName;
    const char16_t *caption; // nullptr for a separator
    const char *shortcut;    // portable text of the key sequence, or nullptr
    Command command;
    bool modelSubmenu = false;
};

// One entry of the toolbar, left to right; a null key is a separator.
struct ToolSpec {
    const char *key;
    const char *tooltipId; // string-table identifier shown until the table replaces it
    const char *themeIcon;
    Command command;
};

std::span<const MenuSpec> menuBarMenus();
std::span<const MenuItemSpec> menuBarItems();
std::span<const ToolSpec> toolbarEntries();

} // namespace pelmark::workspace
