#include "main_window.h"

#include "catalogue.h"
#include "cliche_input_window.h"
#include "common_dialog.h"
#include "conversion_run.h"
#include "document_commands.h"
#include "document_window.h"
#include "geometry_settings.h"
#include "menu_table.h"
#include "qt_common_dialog.h"
#include "rich_text_box.h"
#include "string_table.h"
#include "toolbar_icons.h"
#include "workspace_host.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QResizeEvent>
#include <QSettings>
#include <QToolBar>

namespace pelmark::workspace {

frmMain *gMainWindow = nullptr;

namespace {

const QString kHelpFile = QStringLiteral("Help.rtf");

QString fromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

frmMain::frmMain(WorkspaceContext context)
    : m_context(std::move(context)),
      m_ownSettings(m_context.settings
                        ? nullptr
                        : std::make_unique<QSettings>(QStringLiteral("Pelmark"), QStringLiteral("Pelmark"))),
      m_settings(m_context.settings ? m_context.settings : m_ownSettings.get()),
      m_ownDialog(m_context.dialog ? nullptr : std::make_unique<QtCommonDialog>(this)),
      m_dialog(m_context.dialog ? m_context.dialog : m_ownDialog.get()), m_geometry(*m_settings),
      m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Pelmark"));
    setAcceptDrops(true);
    m_area->setObjectName(QStringLiteral("MDIArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    m_commands = std::make_unique<DocumentCommands>(*this);
    buildMenus();
    buildToolBar();
    connect(m_area, &QMdiArea::subWindowActivated, this, &frmMain::updateFormatButtons);
}

frmMain::~frmMain()
{
    if (gMainWindow == this)
        gMainWindow = nullptr;
    closeInputWindow();
    // The area and its documents signal while they are torn down; by the time QWidget's own
    // destructor deletes them this is no longer a frmMain, so they go first, unheard.
    for (frmDocument *document : documents())
        disconnect(document, nullptr, this, nullptr);
    disconnect(m_area, nullptr, this, nullptr);
    delete m_area;
    m_area = nullptr;
}

void frmMain::buildMenus()
{
    for (const MenuSpec &menuEntry : menuBarMenus()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf16(menuEntry.caption));
        menu->setObjectName(QLatin1String(menuEntry.objectName));
        for (const MenuItemSpec &item : menuBarItems()) {
            if (qstrcmp(item.menu, menuEntry.objectName) != 0)
                continue;
            if (item.modelSubmenu) {
                QMenu *models = menu->addMenu(QString::fromUtf16(item.caption));
                models->setObjectName(QLatin1String(item.objectName));
                buildModelMenu(*models);
                continue;
            }
            QAction *action =
                item.caption ? menu->addAction(QString::fromUtf16(item.caption)) : menu->addSeparator();
            action->setObjectName(QLatin1String(item.objectName));
            if (item.shortcut)
                action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
            if (item.command == Command::ViewToolbar) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            if (item.command != Command::None)
                connect(action, &QAction::triggered, this,
                        [this, command = item.command] { runCommand(command); });
        }
        if (menuEntry.objectName == std::string_view("mnuWindow")) {
            m_windowMenu = menu;
            connect(menu, &QMenu::aboutToShow, this, &frmMain::rebuildWindowList);
        }
    }
}

// The 26 model commands, in catalogue order, each in the submenu of its group.
void frmMain::buildModelMenu(QMenu &menu)
{
    QHash<QString, QMenu *> groups;
    for (const ModelEntry &model : modelCatalogue()) {
        QMenu *target = &menu;
        if (!model.group.empty()) {
            const QString caption = fromUtf16(model.group);
            target = groups.value(caption);
            if (!target) {
                target = menu.addMenu(caption);
                for (const ModelGroup &group : modelGroups()) {
                    if (group.caption == model.group)
                        target->setObjectName(
                            QLatin1String(group.objectName.data(), qsizetype(group.objectName.size())));
                }
                groups.insert(caption, target);
            }
        }
        QAction *action = target->addAction(fromUtf16(model.caption));
        action->setObjectName(QLatin1String(model.command.data(), qsizetype(model.command.size())));
        connect(action, &QAction::triggered, this, [this, &model] { runConversion(model); });
    }
}

void frmMain::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("tbToolBar"));
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->toggleViewAction()->setVisible(false); // "Панель инструментов" alone shows and hides it
    m_alignment = new QActionGroup(this);
    m_alignment->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ToolSpec &tool : toolbarEntries()) {
        if (!tool.key) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *button =
            m_toolBar->addAction(toolbarIcon(tool.key, tool.themeIcon), QLatin1String(tool.key));
        button->setObjectName(QLatin1String(tool.key));
        button->setData(QLatin1String(tool.key));
        button->setToolTip(QLatin1String(tool.tooltipId));
        const bool toggle = tool.command == Command::Bold || tool.command == Command::Italic ||
                            tool.command == Command::Underline;
        const bool aligns = tool.command == Command::AlignLeft || tool.command == Command::AlignCenter ||
                            tool.command == Command::AlignRight;
        button->setCheckable(toggle || aligns);
        if (aligns)
            m_alignment->addAction(button);
        connect(button, &QAction::triggered, this, [this, command = tool.command] { runCommand(command); });
    }
}

QAction *frmMain::toolButton(const QString &key) const
{
    for (QAction *action : m_toolBar->actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

void frmMain::load()
{
    ApplyStringTable(*this);
    m_geometry.restore(*this);
    frmDocument *instructions = OpenInstructionWindow();
    if (!loadHelp(*instructions)) {
        m_dialog->message(QStringLiteral("Не могу найти Help.rtf"));
        return;
    }
    OpenOutputWindow();
    // The area has its size only once the window is shown; the side-by-side tiling waits for it.
    m_arrangeWhenShown = true;
    if (isVisible())
        arrange(Arrangement::TileVertical);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        // The frame's margins are known only now: the stored size is the outer size.
        m_geometry.applyFrame(*this);
    }
    if (m_arrangeWhenShown) {
        m_arrangeWhenShown = false;
        m_area->resize(m_area->size()); // lays out the area before it is tiled
        QResizeEvent resize(m_area->size(), m_area->size());
        QApplication::sendEvent(m_area, &resize);
        arrange(Arrangement::TileVertical);
    }
}

bool frmMain::loadHelp(frmDocument &document)
{
    QStringList folders = m_context.helpFolders;
    if (folders.isEmpty())
        folders << QDir::currentPath();
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(kHelpFile);
        if (QFileInfo(path).isFile() && document.rtfText()->LoadFile(path))
            return true;
    }
    return false;
}

bool frmMain::loadFile(frmDocument &document, const QString &path)
{
    QString error;
    if (document.rtfText()->LoadFile(path, &error))
        return true;
    m_dialog->message(
        QStringLiteral("Не удалось открыть файл «%1»: %2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

void frmMain::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        frmDocument *document = openDocument(absolute);
        if (!loadFile(*document, absolute))
            document->parentWidget()->close();
    }
}

void frmMain::runCommand(Command command)
{
    switch (command) {
    case Command::None: break;
    case Command::FileNew:
    case Command::WindowNew: NewNumberedDocument(); break;
    case Command::FileExit:
        closeInputWindow();
        close();
        break;
    case Command::ViewToolbar: {
        QAction *item = findChild<QAction *>(QStringLiteral("mnuViewToolbar"));
        m_toolBar->setVisible(item->isChecked());
        break;
    }
    case Command::OpenCliche: {
        input::FrmInputCl *window = inputWindow(true);
        window->show();
        window->raise();
        window->activateWindow();
        break;
    }
    case Command::WindowCascade: arrange(Arrangement::Cascade); break;
    case Command::WindowTileHorizontal: arrange(Arrangement::TileHorizontal); break;
    case Command::WindowTileVertical: arrange(Arrangement::TileVertical); break;
    default: m_commands->run(command); break;
    }
}

void frmMain::runConversion(const ModelEntry &model)
{
    WorkspaceHost host(*this);
    RunConversion(model, host);
    updateFormatButtons();
}

frmDocument *frmMain::activeDocument() const
{
    QMdiSubWindow *current = m_area->currentSubWindow();
    return current ? qobject_cast<frmDocument *>(current->widget()) : nullptr;
}

QList<frmDocument *> frmMain::documents() const
{
    QList<frmDocument *> out;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (auto *document = qobject_cast<frmDocument *>(window->widget()))
            out << document;
    }
    return out;
}

QString frmMain::captionOf(const frmDocument *document) const
{
    return document && document->parentWidget() ? document->parentWidget()->windowTitle() : QString();
}

void frmMain::setCaption(frmDocument *document, const QString &caption)
{
    if (document && document->parentWidget())
        document->parentWidget()->setWindowTitle(caption);
}

frmDocument *frmMain::openDocument(const QString &caption)
{
    auto *document = new frmDocument;
    QMdiSubWindow *window = m_area->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(caption);
    connect(document, &frmDocument::selectionChanged, this, [this, document] {
        if (activeDocument() == document)
            updateFormatButtons();
    });
    window->show();
    m_area->setActiveSubWindow(window);
    return document;
}

frmDocument *frmMain::OpenInstructionWindow()
{
    return openDocument(QStringLiteral("Инструкции "));
}
frmDocument *frmMain::OpenOutputWindow()
{
    return openDocument(QStringLiteral("Ввод текста клише "));
}

frmDocument *frmMain::NewNumberedDocument()
{
    ++m_documentCounter;
    return openDocument(QStringLiteral("Document ") + QString::number(m_documentCounter));
}

void frmMain::arrange(Arrangement arrangement)
{
    if (arrangement == Arrangement::Cascade) {
        m_area->cascadeSubWindows();
        return;
    }
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (!window->isMinimized() && window->isVisible())
            windows << window;
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        if (arrangement == Arrangement::TileVertical) {
            const int left = area.width() * i / count;
            windows[i]->setGeometry(left, 0, area.width() * (i + 1) / count - left, area.height());
        } else {
            const int top = area.height() * i / count;
            windows[i]->setGeometry(0, top, area.width(), area.height() * (i + 1) / count - top);
        }
    }
}

void frmMain::rebuildWindowList()
{
    for (QAction *action : std::as_const(m_windowListActions)) {
        m_windowMenu->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowListActions << m_windowMenu->addSeparator();
    for (QMdiSubWindow *window : windows) {
        QAction *action = m_windowMenu->addAction(window->windowTitle());
        action->setCheckable(true);
        action->setChecked(window == m_area->currentSubWindow());
        connect(action, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window)
                m_area->setActiveSubWindow(window);
        });
        m_windowListActions << action;
    }
}

input::FrmInputCl *frmMain::inputWindow(bool create)
{
    if (!m_input && create)
        m_input = new input::FrmInputCl; // a top-level window of its own, deleted when closed
    return m_input;
}

void frmMain::closeInputWindow()
{
    if (m_input)
        delete m_input.data();
}

QPrinter &frmMain::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void frmMain::updateFormatButtons()
{
    frmDocument *document = activeDocument();
    if (!document)
        return;
    const richtext::RichTextBox &box = *document->rtfText();
    toolButton(QStringLiteral("Bold"))->setChecked(box.SelBold() == true);
    toolButton(QStringLiteral("Italic"))->setChecked(box.SelItalic() == true);
    toolButton(QStringLiteral("Underline"))->setChecked(box.SelUnderline() == true);
    const std::optional<int> alignment = box.SelAlignment();
    toolButton(QStringLiteral("Align Left"))->setChecked(alignment == richtext::RichTextBox::AlignLeft);
    toolButton(QStringLiteral("Center"))->setChecked(alignment == richtext::RichTextBox::AlignCenter);
    toolButton(QStringLiteral("Align Right"))->setChecked(alignment == richtext::RichTextBox::AlignRight);
}

void frmMain::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_geometry.store(*this);
    closeInputWindow();
    m_area->closeAllSubWindows();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    openFiles(paths);
}

} // namespace pelmark::workspace
