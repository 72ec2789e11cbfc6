#pragma once

#include "commands.h"
#include "workspace.h"

#include <QString>

namespace pelmark::workspace {

// The handlers of the menu and toolbar commands; the command table names one per command. None
// of them ever ends the program: a failure is skipped or, for files, told in a message, with
// the document as it was.
class WorkspaceCommands final {
public:
    explicit WorkspaceCommands(Workspace &workspace) : m_workspace(workspace) {}

    void newDocument();
    void open();
    void save();
    void saveAs();
    void pageSetup();
    void font();
    void print();
    void exit();
    void cut();
    void copy();
    void paste();
    void showOrHideToolBar();
    void showClicheWindow();
    void showPreviewWindow();
    void cascade();
    void tileHorizontally();
    void tileVertically();
    void helpContents();
    void find();
    void findNext();
    void about();
    void bold();
    void italic();
    void underline();
    void alignLeft();
    void alignCenter();
    void alignRight();

private:
    void toggle(Command command);
    void align(Command command);
    // Shows the open or save dialog with cancel not counted as a failure; empty on cancel.
    QString askForFile(bool save, const QString &title, const QString &filter);
    bool saveTo(DocumentWindow &document, const QString &path);

    Workspace &m_workspace;
};

} // namespace pelmark::workspace
