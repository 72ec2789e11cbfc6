#pragma once

#include <cstddef>

namespace pelmark::workspace {

// Every command of the menus and the toolbar, in the order of the command table's rows.
enum class Command {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FilePageSetup,
    Font,
    FilePrint,
    FileExit,
    EditCut,
    EditCopy,
    EditPaste,
    ViewToolbar,
    OpenCliche,
    Preview,
    WindowNew,
    WindowCascade,
    WindowTileHorizontal,
    WindowTileVertical,
    HelpContents,
    Find,
    FindNext,
    HelpAbout,
    Bold,
    Italic,
    Underline,
    AlignLeft,
    AlignCenter,
    AlignRight,
};

inline constexpr std::size_t kCommandCount = std::size_t(Command::AlignRight) + 1;

} // namespace pelmark::workspace
