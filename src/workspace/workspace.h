#pragma once

#include "commands.h"

#include <QString>

class QPrinter;

namespace pelmark::input {
class ClicheInputWindow;
}

namespace pelmark::workspace {

class CommonDialog;
class DocumentWindow;

// What the commands and the conversion need of the main window, and no more: the documents, the
// dialog object, the printer, the search word, the buttons' pressed state and the arrangement of
// the windows. The main window implements it; tests may give their own.
class Workspace {
public:
    enum class Arrangement { Cascade, TileHorizontal, TileVertical };

    // The document every command acts on; null when none is open.
    virtual DocumentWindow *activeDocument() const = 0;
    // Opens "Document N" with the next number; it becomes the active document.
    virtual DocumentWindow *newNumberedDocument() = 0;
    // Reads a file into a document; a failure is told in a message and leaves it as it was.
    virtual bool loadFile(DocumentWindow &document, const QString &path) = 0;
    // Loads "Help.rtf" into a document; false when none is found or it cannot be read.
    virtual bool loadHelp(DocumentWindow &document) = 0;

    virtual CommonDialog &dialog() const = 0;
    virtual QPrinter &printer() = 0;

    virtual QString searchWord() const = 0;
    virtual void setSearchWord(const QString &word) = 0;

    // The pressed state of a checkable command's menu item or toolbar button.
    virtual bool isPressed(Command command) const = 0;
    virtual void setPressed(Command command, bool pressed) = 0;
    // Shows the active document's formatting on the formatting buttons.
    virtual void updateFormatButtons() = 0;

    // The cliche input window, created hidden when it does not exist.
    virtual input::ClicheInputWindow &clicheWindow() = 0;
    virtual void showClicheWindow() = 0;
    // Shows «Предпросмотр чека», which follows the cliche as it is typed.
    virtual void showPreviewWindow() = 0;

    virtual void arrange(Arrangement arrangement) = 0;
    virtual void setToolBarVisible(bool visible) = 0;
    // Closes the input window and the main window, which ends the program.
    virtual void exit() = 0;

protected:
    ~Workspace() = default;
};

} // namespace pelmark::workspace
