#pragma once

#include "commands.h"
#include "geometry_settings.h"
#include "workspace.h"
#include "workspace_commands.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QMdiArea;
class QPrinter;
class QSettings;
class QToolBar;

namespace pelmark {
struct ModelEntry;
}

namespace pelmark::workspace {

class CommonDialog;
class DocumentWindow;
class ReceiptPreviewWindow;

// Where the program finds its instruction file and stores its settings, and the dialog object
// it shows everything through. Tests give their own.
struct WorkspaceContext {
    QSettings *settings = nullptr;  // the per-user store when null
    CommonDialog *dialog = nullptr; // the platform's dialogs when null; not owned
    QStringList helpFolders;        // where "Help.rtf" is looked for, in order
};

// The main window: the MDI area of the document windows, the menus and the toolbar made from the
// command table, the shared dialog object, the search word and the document counter.
class MainWindow final : public QMainWindow, public Workspace {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(WorkspaceContext context = {});
    ~MainWindow() override;

    // Restores the geometry, opens the instruction and output windows; runs before the window
    // is first shown.
    void load();
    void convert(const ModelEntry &model);

    // The one action of a command, shared by its menu item and its toolbar button.
    QAction *commandAction(Command command) const { return m_actions[std::size_t(command)]; }

    QList<DocumentWindow *> documents() const;
    DocumentWindow *openInstructionWindow();
    DocumentWindow *openOutputWindow();
    int documentCounter() const { return m_documentCounter; }

    // The receipt preview, or null when it is not open.
    ReceiptPreviewWindow *existingPreviewWindow() const;

    // The cliche input window, or null when it is not open.
    input::ClicheInputWindow *existingClicheWindow() const;
    void closeClicheWindow();
    void closePreviewWindow();

    // Opens each file in a document window of its own, captioned with its path, as the open
    // command would; a file that cannot be read is told in a message and the others still open.
    void openFiles(const QStringList &paths);

    QMdiArea *mdiArea() const { return m_area; }
    QToolBar *toolBar() const { return m_toolBar; }

    // Workspace
    DocumentWindow *activeDocument() const override;
    DocumentWindow *newNumberedDocument() override;
    bool loadFile(DocumentWindow &document, const QString &path) override;
    bool loadHelp(DocumentWindow &document) override;
    CommonDialog &dialog() const override { return *m_dialog; }
    QPrinter &printer() override;
    QString searchWord() const override { return m_searchWord; }
    void setSearchWord(const QString &word) override { m_searchWord = word; }
    bool isPressed(Command command) const override;
    void setPressed(Command command, bool pressed) override;
    void updateFormatButtons() override;
    input::ClicheInputWindow &clicheWindow() override;
    void showClicheWindow() override;
    void showPreviewWindow() override;
    void arrange(Arrangement arrangement) override;
    void setToolBarVisible(bool visible) override;
    void exit() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void buildMenus();
    void buildModelMenu(QMenu &menu);
    void buildToolBar();
    void rebuildWindowList();
    void runSafely(const std::function<void()> &work);
    // The model the preview opens with: the one converted last, else the stored choice, else the
    // menu's first.
    const ModelEntry &previewModel() const;
    void storePreviewModel(const ModelEntry &model);
    // Gives the preview the cliche as a conversion would read it now.
    void updatePreview();
    DocumentWindow *openDocument(const QString &caption);
    void unload();

    WorkspaceContext m_context;
    std::unique_ptr<QSettings> m_ownSettings;
    QSettings *m_settings;
    std::unique_ptr<CommonDialog> m_ownDialog;
    CommonDialog *m_dialog;
    GeometrySettings m_geometry;
    std::unique_ptr<QPrinter> m_printer;
    WorkspaceCommands m_commands;
    std::array<QAction *, kCommandCount> m_actions{};
    QMdiArea *m_area;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QPointer<input::ClicheInputWindow> m_input;
    QPointer<ReceiptPreviewWindow> m_preview;
    const ModelEntry *m_lastConverted = nullptr;
    QString m_searchWord;
    int m_documentCounter = 0;
    bool m_unloaded = false;
    bool m_firstShow = true;
    bool m_arrangeWhenShown = false;
};

} // namespace pelmark::workspace
