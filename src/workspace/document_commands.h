#pragma once

#include "commands.h"

#include <QString>

namespace pelmark::workspace {

class frmMain;
class frmDocument;

// The commands that act on the active document: files and printing, the clipboard, search,
// fonts and the formatting buttons, and help. None of them ever ends the program: a failure is
// skipped or, for files, told in a message, with the document as it was.
class DocumentCommands final {
public:
    explicit DocumentCommands(frmMain &main) : m_main(main) {}

    void run(Command command);

private:
    void open();
    void save();
    void saveAs();
    void pageSetup();
    void print();
    void cut();
    void copy();
    void paste();
    void find();
    void findNext();
    void font();
    void toggle(Command command);
    void align(Command command);
    void helpContents();
    void about();

    // Shows the open or save dialog with cancel not counted as a failure; empty on cancel.
    QString askForFile(bool save, const QString &title, const QString &filter);
    bool saveTo(frmDocument &document, const QString &path);

    frmMain &m_main;
};

} // namespace pelmark::workspace
