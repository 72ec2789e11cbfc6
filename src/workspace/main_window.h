#pragma once

#include "commands.h"
#include "geometry_settings.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QSettings;
class QToolBar;

namespace pelmark {
struct ModelEntry;
namespace input {
class FrmInputCl;
}
} // namespace pelmark

namespace pelmark::workspace {

class CommonDialog;
class DocumentCommands;
class frmDocument;

// Where the program finds its instruction file and stores its settings, and the dialog object
// it shows everything through. Tests give their own.
struct WorkspaceContext {
    QSettings *settings = nullptr;  // the per-user store when null
    CommonDialog *dialog = nullptr; // the platform's dialogs when null; not owned
    QStringList helpFolders;        // where "Help.rtf" is looked for, in order
};

// The main window: the MDI area of the document windows, the menus, the toolbar, the shared
// dialog object, the search word and the document counter.
class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    explicit frmMain(WorkspaceContext context = {});
    ~frmMain() override;

    // Restores the geometry, opens the instruction and output windows; runs before the window
    // is first shown.
    void load();
    void runCommand(Command command);
    void runConversion(const ModelEntry &model);

    // The active document: the MDI area's current child, also while the input window has the
    // focus. Null when no document is open.
    frmDocument *activeDocument() const;
    QList<frmDocument *> documents() const;
    QString captionOf(const frmDocument *document) const;
    void setCaption(frmDocument *document, const QString &caption);

    frmDocument *OpenInstructionWindow();
    frmDocument *OpenOutputWindow();
    frmDocument *NewNumberedDocument();
    int documentCounter() const { return m_documentCounter; }

    // The cliche input window; created hidden when `create` is set and it does not exist.
    input::FrmInputCl *inputWindow(bool create);
    void closeInputWindow();

    // Opens each file in a document window of its own, captioned with its path, as the open
    // command would; a file that cannot be read is told in a message and the others still open.
    void openFiles(const QStringList &paths);
    // Reads a file into a document; a failure is told in a message and leaves the document as it was.
    bool loadFile(frmDocument &document, const QString &path);

    // Loads "Help.rtf" into a document; false when none is found or it cannot be read.
    bool loadHelp(frmDocument &document);

    CommonDialog &dialog() const { return *m_dialog; }
    QPrinter &printer();
    QMdiArea *mdiArea() const { return m_area; }
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *toolButton(const QString &key) const;
    QString sFind;

    // Keeps the six formatting buttons in step with the active document's selection.
    void updateFormatButtons();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    void buildModelMenu(QMenu &menu);
    void buildToolBar();
    void rebuildWindowList();
    frmDocument *openDocument(const QString &caption);
    // Tile horizontally: one window above the other, each as wide as the area; tile vertically:
    // side by side, each as tall as the area.
    enum class Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2 };
    void arrange(Arrangement arrangement);
    void unload();

    WorkspaceContext m_context;
    std::unique_ptr<QSettings> m_ownSettings;
    QSettings *m_settings;
    std::unique_ptr<CommonDialog> m_ownDialog;
    CommonDialog *m_dialog;
    GeometrySettings m_geometry;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<DocumentCommands> m_commands;
    QMdiArea *m_area;
    QToolBar *m_toolBar = nullptr;
    QActionGroup *m_alignment = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QPointer<input::FrmInputCl> m_input;
    int m_documentCounter = 0;
    bool m_unloaded = false;
    bool m_firstShow = true;
    bool m_arrangeWhenShown = false;
};

// The program-wide reference to the main window, set once at start-up.
extern frmMain *gMainWindow;

} // namespace pelmark::workspace
