#include "main_window.h"

#include "application.h"
#include "catalogue.h"
#include "cliche_input_window.h"
#include "command_table.h"
#include "common_dialog.h"
#include "conversion_run.h"
#include "document_window.h"
#include "geometry_settings.h"
#include "initial_cliche.h"
#include "qt_common_dialog.h"
#include "qt_text.h"
#include "receipt_preview_window.h"
#include "rich_text_box.h"
#include "settings_names.h"
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

namespace {

const QString kHelpFile = QStringLiteral("Help.rtf");

QLatin1String latin1(std::string_view text)
{
    return QLatin1String(text.data(), qsizetype(text.size()));
}

} // namespace

MainWindow::MainWindow(WorkspaceContext context)
    : m_context(std::move(context)),
      m_ownSettings(m_context.settings
                        ? nullptr
                        : std::make_unique<QSettings>(kSettingsOrganization, kSettingsApplication)),
      m_settings(m_context.settings ? m_context.settings : m_ownSettings.get()),
      m_ownDialog(m_context.dialog ? nullptr : std::make_unique<QtCommonDialog>(this)),
      m_dialog(m_context.dialog ? m_context.dialog : m_ownDialog.get()), m_geometry(*m_settings),
      m_commands(*this), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Pelmark"));
    setAcceptDrops(true);
    m_area->setObjectName(QStringLiteral("MDIArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    createActions();
    buildMenus();
    buildToolBar();
    connect(m_area, &QMdiArea::subWindowActivated, this, &MainWindow::updateFormatButtons);
}

MainWindow::~MainWindow()
{
    closeClicheWindow();
    closePreviewWindow();
    // The area and its documents signal while they are torn down; by the time QWidget's own
    // destructor deletes them this is no longer a MainWindow, so they go first, unheard.
    for (DocumentWindow *document : documents())
        disconnect(document, nullptr, this, nullptr);
    disconnect(m_area, nullptr, this, nullptr);
    delete m_area;
    m_area = nullptr;
}

void MainWindow::createActions()
{
    auto *alignment = new QActionGroup(this);
    alignment->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const CommandSpec &row : commandTable()) {
        auto *action = new QAction(row.caption ? toQString(row.caption) : QLatin1String(row.toolKey), this);
        action->setObjectName(QLatin1String(row.objectName));
        if (row.shortcut)
            action->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        if (row.toolKey) {
            action->setIcon(toolbarIcon(row.toolKey, row.themeIcon));
            action->setToolTip(QLatin1String(row.tooltipId));
        }
        action->setCheckable(row.checkable);
        action->setChecked(row.checkedAtStart);
        if (row.group == ButtonGroup::Alignment)
            alignment->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, handler = row.handler] { runSafely([this, handler] { (m_commands.*handler)(); }); });
        m_actions[std::size_t(row.command)] = action;
    }
}

void MainWindow::buildMenus()
{
    for (const MenuLayout &layout : menuBarLayout()) {
        QMenu *menu = menuBar()->addMenu(toQString(layout.caption));
        menu->setObjectName(QLatin1String(layout.objectName));
        for (const MenuEntry &entry : layout.entries) {
            switch (entry.kind) {
            case MenuEntry::Kind::Action: menu->addAction(commandAction(entry.command)); break;
            case MenuEntry::Kind::Separator:
                menu->addSeparator()->setObjectName(QLatin1String(entry.objectName));
                break;
            case MenuEntry::Kind::ModelMenu: {
                QMenu *models = menu->addMenu(toQString(entry.caption));
                models->setObjectName(QLatin1String(entry.objectName));
                buildModelMenu(*models);
                break;
            }
            }
        }
        if (layout.listsWindows) {
            m_windowMenu = menu;
            connect(menu, &QMenu::aboutToShow, this, &MainWindow::rebuildWindowList);
        }
    }
}

// The 26 model commands, in catalogue order, each in the submenu of its group.
void MainWindow::buildModelMenu(QMenu &menu)
{
    std::array<QMenu *, kModelGroupCount> groups{};
    for (const ModelEntry &model : modelCatalogue()) {
        QMenu *target = &menu;
        if (model.group != ModelGroup::None) {
            QMenu *&submenu = groups[std::size_t(model.group)];
            if (!submenu) {
                const ModelGroupInfo &group = modelGroupInfo(model.group);
                submenu = menu.addMenu(toQString(group.caption));
                submenu->setObjectName(latin1(group.objectName));
            }
            target = submenu;
        }
        QAction *action = target->addAction(toQString(model.caption));
        action->setObjectName(latin1(model.command));
        connect(action, &QAction::triggered, this,
                [this, &model] { runSafely([this, &model] { convert(model); }); });
    }
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("tbToolBar"));
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->toggleViewAction()->setVisible(false); // "Панель инструментов" alone shows and hides it
    for (const std::optional<Command> &entry : toolBarLayout()) {
        if (!entry) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *action = commandAction(*entry);
        m_toolBar->addAction(action);
        // The button carries its key as its name, so it is found as "Bold" or "New".
        m_toolBar->widgetForAction(action)->setObjectName(QLatin1String(commandSpec(*entry).toolKey));
    }
}

void MainWindow::runSafely(const std::function<void()> &work)
{
    // A command that fails for want of memory, or on anything else that throws, stops there;
    // every document stays open and the program goes on.
    try {
        work();
    } catch (...) {
        m_dialog->message(describeCurrentFailure());
    }
}

bool MainWindow::isPressed(Command command) const
{
    return commandAction(command)->isChecked();
}

void MainWindow::setPressed(Command command, bool pressed)
{
    commandAction(command)->setChecked(pressed);
}

void MainWindow::load()
{
    applyStringTable(*this);
    m_geometry.restore(*this);
    DocumentWindow *instructions = openInstructionWindow();
    if (!loadHelp(*instructions)) {
        m_dialog->message(QStringLiteral("Не могу найти Help.rtf"));
        return;
    }
    openOutputWindow();
    // The area has its size only once the window is shown; the side-by-side tiling waits for it.
    m_arrangeWhenShown = true;
    if (isVisible())
        arrange(Arrangement::TileVertical);
}

void MainWindow::showEvent(QShowEvent *event)
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

bool MainWindow::loadHelp(DocumentWindow &document)
{
    QStringList folders = m_context.helpFolders;
    if (folders.isEmpty())
        folders << QDir::currentPath();
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(kHelpFile);
        if (document.textBox()->loadFile(path))
            return true;
    }
    return false;
}

bool MainWindow::loadFile(DocumentWindow &document, const QString &path)
{
    QString error;
    try {
        if (document.textBox()->loadFile(path, &error))
            return true;
    } catch (const std::bad_alloc &) {
        error = QStringLiteral("не хватило памяти");
    }
    m_dialog->message(
        QStringLiteral("Не удалось открыть файл «%1»: %2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

void MainWindow::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        DocumentWindow *document = openDocument(absolute);
        if (!loadFile(*document, absolute))
            document->parentWidget()->close();
    }
}

void MainWindow::exit()
{
    closeClicheWindow();
    closePreviewWindow();
    close();
}

void MainWindow::setToolBarVisible(bool visible)
{
    m_toolBar->setVisible(visible);
}

void MainWindow::showClicheWindow()
{
    input::ClicheInputWindow &window = clicheWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void MainWindow::convert(const ModelEntry &model)
{
    WorkspaceHost host(*this);
    runConversion(model, host);
    m_lastConverted = &model;
    if (m_preview)
        m_preview->setModel(model);
    updateFormatButtons();
}

DocumentWindow *MainWindow::activeDocument() const
{
    QMdiSubWindow *current = m_area->currentSubWindow();
    return current ? qobject_cast<DocumentWindow *>(current->widget()) : nullptr;
}

QList<DocumentWindow *> MainWindow::documents() const
{
    QList<DocumentWindow *> out;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (auto *document = qobject_cast<DocumentWindow *>(window->widget()))
            out << document;
    }
    return out;
}

DocumentWindow *MainWindow::openDocument(const QString &caption)
{
    auto *document = new DocumentWindow;
    QMdiSubWindow *window = m_area->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(caption);
    connect(document, &DocumentWindow::selectionChanged, this, [this, document] {
        if (activeDocument() == document)
            updateFormatButtons();
    });
    window->show();
    m_area->setActiveSubWindow(window);
    return document;
}

DocumentWindow *MainWindow::openInstructionWindow()
{
    return openDocument(QStringLiteral("Инструкции "));
}
DocumentWindow *MainWindow::openOutputWindow()
{
    return openDocument(QStringLiteral("Ввод текста клише "));
}

DocumentWindow *MainWindow::newNumberedDocument()
{
    ++m_documentCounter;
    return openDocument(QStringLiteral("Document ") + QString::number(m_documentCounter));
}

void MainWindow::arrange(Arrangement arrangement)
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

void MainWindow::rebuildWindowList()
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

input::ClicheInputWindow &MainWindow::clicheWindow()
{
    if (!m_input) {
        m_input = new input::ClicheInputWindow; // a top-level window of its own, deleted when closed
        connect(m_input, &input::ClicheInputWindow::textChanged, this, &MainWindow::updatePreview);
        // Closed, the text is gone: the next use starts from the initial text again.
        connect(m_input, &QObject::destroyed, this, [this] {
            if (m_preview)
                m_preview->setCliche(toQString(kInitialClicheText));
        });
    }
    return *m_input;
}

ReceiptPreviewWindow *MainWindow::existingPreviewWindow() const
{
    return m_preview;
}

void MainWindow::showPreviewWindow()
{
    if (!m_preview) {
        m_preview = new ReceiptPreviewWindow(previewModel()); // top-level, deleted when closed
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_preview, &ReceiptPreviewWindow::modelChosen, this, &MainWindow::storePreviewModel);
        updatePreview();
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

void MainWindow::updatePreview()
{
    if (m_preview)
        m_preview->setCliche(m_input ? m_input->text() : toQString(kInitialClicheText));
}

const ModelEntry &MainWindow::previewModel() const
{
    if (m_lastConverted)
        return *m_lastConverted;
    m_settings->beginGroup(kSettingsGroup);
    const QString stored = m_settings->value(kPreviewModelKey).toString();
    m_settings->endGroup();
    const ModelEntry *model = stored.isEmpty() ? nullptr : findModel(toU16String(stored));
    return model ? *model : modelCatalogue().front();
}

void MainWindow::storePreviewModel(const ModelEntry &model)
{
    m_settings->beginGroup(kSettingsGroup);
    m_settings->setValue(kPreviewModelKey, latin1(model.command));
    m_settings->endGroup();
}

input::ClicheInputWindow *MainWindow::existingClicheWindow() const
{
    return m_input;
}

void MainWindow::closePreviewWindow()
{
    if (m_preview)
        delete m_preview.data();
}

void MainWindow::closeClicheWindow()
{
    if (m_input)
        delete m_input.data();
}

QPrinter &MainWindow::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void MainWindow::updateFormatButtons()
{
    DocumentWindow *document = activeDocument();
    if (!document)
        return;
    const richtext::RichTextBox &box = *document->textBox();
    setPressed(Command::Bold, box.selBold() == true);
    setPressed(Command::Italic, box.selItalic() == true);
    setPressed(Command::Underline, box.selUnderline() == true);
    const std::optional<int> alignment = box.selAlignment();
    setPressed(Command::AlignLeft, alignment == richtext::RichTextBox::AlignLeft);
    setPressed(Command::AlignCenter, alignment == richtext::RichTextBox::AlignCenter);
    setPressed(Command::AlignRight, alignment == richtext::RichTextBox::AlignRight);
}

void MainWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_geometry.store(*this);
    closeClicheWindow();
    closePreviewWindow();
    m_area->closeAllSubWindows();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    runSafely([this, &paths] { openFiles(paths); });
}

} // namespace pelmark::workspace
