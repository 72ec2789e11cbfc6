#include "workspace_commands.h"

#include "common_dialog.h"
#include "document_window.h"
#include "rich_text_box.h"

#include "pelmark_version.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPrinter>

namespace pelmark::workspace {
namespace {

const QString kTwoEntryFilter = QStringLiteral("Текстовые файлы|*.txt|Форматированные файлы|*.rtf");
const QString kAllFilesFilter = QStringLiteral("All Files (*.*)|*.*");

} // namespace

bool WorkspaceCommands::saveTo(DocumentWindow &document, const QString &path)
{
    QString error;
    if (document.textBox()->saveFile(path, &error))
        return true;
    m_workspace.dialog().message(
        QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

QString WorkspaceCommands::askForFile(bool save, const QString &title, const QString &filter)
{
    CommonDialog &dialog = m_workspace.dialog();
    dialog.values.title = title;
    dialog.values.cancelError = false;
    dialog.values.filter = filter;
    save ? dialog.showSave() : dialog.showOpen();
    return dialog.values.fileName;
}

void WorkspaceCommands::newDocument()
{
    m_workspace.newNumberedDocument();
}

void WorkspaceCommands::open()
{
    if (!m_workspace.activeDocument())
        m_workspace.newNumberedDocument();
    const QString path = askForFile(false, QStringLiteral("Open"), kTwoEntryFilter);
    DocumentWindow *document = m_workspace.activeDocument();
    if (path.isEmpty() || !document)
        return;
    if (m_workspace.loadFile(*document, path))
        document->setCaption(path);
}

void WorkspaceCommands::save()
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document)
        return;
    QString path = document->caption();
    if (path.left(8) == QLatin1String("Document")) {
        // A numbered document has no file yet: ask for one, but keep the caption.
        path = askForFile(true, QStringLiteral("Save"), kAllFilesFilter);
        if (path.isEmpty())
            return;
    }
    saveTo(*document, path);
}

void WorkspaceCommands::saveAs()
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document)
        return;
    const QString path = askForFile(true, QStringLiteral("Save As"), kTwoEntryFilter);
    if (path.isEmpty())
        return;
    // The caption names the new file only once it has been written.
    if (saveTo(*document, path))
        document->setCaption(path);
}

void WorkspaceCommands::pageSetup()
{
    CommonDialog &dialog = m_workspace.dialog();
    dialog.values.title = QStringLiteral("Page Setup");
    dialog.values.cancelError = true;
    dialog.showPageSetup(m_workspace.printer()); // kept on the shared printer for the next print
}

void WorkspaceCommands::print()
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document)
        return;
    CommonDialog &dialog = m_workspace.dialog();
    dialog.values.title = QStringLiteral("Print");
    dialog.values.cancelError = true;
    dialog.values.flags = CommonDialog::kPrintReturnDc + CommonDialog::kPrintNoPageNumbers;
    if (document->textBox()->selLength() != 0)
        dialog.values.flags += CommonDialog::kPrintSelection;
    if (!dialog.showPrinter(m_workspace.printer()))
        return;
    document->textBox()->printSelection(m_workspace.printer());
}

void WorkspaceCommands::copy()
{
    if (DocumentWindow *document = m_workspace.activeDocument())
        QApplication::clipboard()->setMimeData(document->textBox()->selectionAsMimeData());
}

void WorkspaceCommands::exit()
{
    m_workspace.exit();
}

void WorkspaceCommands::cut()
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document)
        return;
    copy();
    document->textBox()->setSelText(QString());
}

void WorkspaceCommands::paste()
{
    if (DocumentWindow *document = m_workspace.activeDocument()) {
        if (const QMimeData *data = QApplication::clipboard()->mimeData())
            document->textBox()->pasteMimeData(*data);
    }
}

void WorkspaceCommands::showOrHideToolBar()
{
    m_workspace.setToolBarVisible(m_workspace.isPressed(Command::ViewToolbar));
}

void WorkspaceCommands::showClicheWindow()
{
    m_workspace.showClicheWindow();
}

void WorkspaceCommands::showPreviewWindow()
{
    m_workspace.showPreviewWindow();
}

void WorkspaceCommands::cascade()
{
    m_workspace.arrange(Workspace::Arrangement::Cascade);
}
void WorkspaceCommands::tileHorizontally()
{
    m_workspace.arrange(Workspace::Arrangement::TileHorizontal);
}
void WorkspaceCommands::tileVertically()
{
    m_workspace.arrange(Workspace::Arrangement::TileVertical);
}

void WorkspaceCommands::find()
{
    m_workspace.setSearchWord(
        m_workspace.dialog().prompt(QStringLiteral("Какое слово искать?"), m_workspace.searchWord()));
    if (DocumentWindow *document = m_workspace.activeDocument())
        document->textBox()->findWord(m_workspace.searchWord());
}

void WorkspaceCommands::findNext()
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document)
        return;
    richtext::RichTextBox &box = *document->textBox();
    // Straight after the current match, so that a match that follows at once is found too.
    box.setSelStart(box.selStart() + box.selLength());
    box.findWord(m_workspace.searchWord(), std::nullopt, box.textLength());
}

void WorkspaceCommands::font()
{
    CommonDialog &dialog = m_workspace.dialog();
    dialog.values.flags = CommonDialog::kFontFlags;
    if (!dialog.showFont())
        return; // a cancelled dialog leaves the selection as it was
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document)
        return;
    richtext::RichTextBox &box = *document->textBox();
    const CommonDialog::Values &v = dialog.values;
    box.setSelFontName(v.fontName);
    box.setSelFontSize(v.fontSize);
    box.setSelBold(v.fontBold);
    box.setSelItalic(v.fontItalic);
    box.setSelStrikeThrough(v.fontStrikethru);
    box.setSelUnderline(v.fontUnderline);
    box.setSelColor(v.color);
}

void WorkspaceCommands::toggle(Command command)
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document) {
        m_workspace.setPressed(command, false);
        return;
    }
    richtext::RichTextBox &box = *document->textBox();
    // A mixed selection has no single value; toggling it sets the property for all of it.
    switch (command) {
    case Command::Bold: box.setSelBold(!box.selBold().value_or(false)); break;
    case Command::Italic: box.setSelItalic(!box.selItalic().value_or(false)); break;
    default: box.setSelUnderline(!box.selUnderline().value_or(false)); break;
    }
    m_workspace.updateFormatButtons();
}

void WorkspaceCommands::align(Command command)
{
    DocumentWindow *document = m_workspace.activeDocument();
    if (!document) {
        for (Command button : {Command::AlignLeft, Command::AlignCenter, Command::AlignRight})
            m_workspace.setPressed(button, false);
        return;
    }
    document->textBox()->setSelAlignment(command == Command::AlignCenter  ? richtext::RichTextBox::AlignCenter
                                         : command == Command::AlignRight ? richtext::RichTextBox::AlignRight
                                                                          : richtext::RichTextBox::AlignLeft);
    m_workspace.updateFormatButtons();
}

void WorkspaceCommands::bold()
{
    toggle(Command::Bold);
}
void WorkspaceCommands::italic()
{
    toggle(Command::Italic);
}
void WorkspaceCommands::underline()
{
    toggle(Command::Underline);
}
void WorkspaceCommands::alignLeft()
{
    align(Command::AlignLeft);
}
void WorkspaceCommands::alignCenter()
{
    align(Command::AlignCenter);
}
void WorkspaceCommands::alignRight()
{
    align(Command::AlignRight);
}

void WorkspaceCommands::helpContents()
{
    DocumentWindow *document = m_workspace.newNumberedDocument();
    if (!m_workspace.loadHelp(*document))
        m_workspace.dialog().message(QStringLiteral("Не могу найти Help.rtf"));
}

void WorkspaceCommands::about()
{
    m_workspace.dialog().message(QStringLiteral("        Version %1.%2.%3\r\nПрограмма Pelmark.")
                                     .arg(PELMARK_VERSION_MAJOR)
                                     .arg(PELMARK_VERSION_MINOR)
                                     .arg(PELMARK_VERSION_PATCH));
}

} // namespace pelmark::workspace
