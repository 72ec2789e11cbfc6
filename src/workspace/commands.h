#pragma once

namespace pelmark::workspace {

// Every command of the menus and the toolbar.
enum class Command {
    None,
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

} // namespace pelmark::workspace
