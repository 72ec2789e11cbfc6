#include "document_commands.h"

#include "common_dialog.h"
#include "document_window.h"
#include "main_window.h"
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

void DocumentCommands::run(Command command)
{
    switch (command) {
    case Command::FileOpen: open(); break;
    case Command::FileSave: save(); break;
    case Command::FileSaveAs: saveAs(); break;
    case Command::FilePageSetup: pageSetup(); break;
    case Command::FilePrint: print(); break;
    case Command::EditCut: cut(); break;
    case Command::EditCopy: copy(); break;
    case Command::EditPaste: paste(); break;
    case Command::Find: find(); break;
    case Command::FindNext: findNext(); break;
    case Command::Font: font(); break;
    case Command::Bold:
    case Command::Italic:
    case Command::Underline: toggle(command); break;
    case Command::AlignLeft:
    case Command::AlignCenter:
    case Command::AlignRight: align(command); break;
    case Command::HelpContents: helpContents(); break;
    case Command::HelpAbout: about(); break;
    default: break;
    }
}

bool DocumentCommands::saveTo(frmDocument &document, const QString &path)
{
    QString error;
    if (document.rtfText()->SaveFile(path, &error))
        return true;
    m_main.dialog().message(
        QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

QString DocumentCommands::askForFile(bool save, const QString &title, const QString &filter)
{
    CommonDialog &dialog = m_main.dialog();
    dialog.values.title = title;
    dialog.values.cancelError = false;
    dialog.values.filter = filter;
    save ? dialog.showSave() : dialog.showOpen();
    return dialog.values.fileName;
}

void DocumentCommands::open()
{
    if (!m_main.activeDocument())
        m_main.NewNumberedDocument();
    const QString path = askForFile(false, QStringLiteral("Open"), kTwoEntryFilter);
    frmDocument *document = m_main.activeDocument();
    if (path.isEmpty() || !document)
        return;
    if (m_main.loadFile(*document, path))
        m_main.setCaption(document, path);
}

void DocumentCommands::save()
{
    frmDocument *document = m_main.activeDocument();
    if (!document)
        return;
    QString path = m_main.captionOf(document);
    if (path.left(8) == QLatin1String("Document")) {
        // A numbered document has no file yet: ask for one, but keep the caption.
        path = askForFile(true, QStringLiteral("Save"), kAllFilesFilter);
        if (path.isEmpty())
            return;
    }
    saveTo(*document, path);
}

void DocumentCommands::saveAs()
{
    frmDocument *document = m_main.activeDocument();
    if (!document)
        return;
    const QString path = askForFile(true, QStringLiteral("Save As"), kTwoEntryFilter);
    if (path.isEmpty())
        return;
    // The caption names the new file only once it has been written.
    if (saveTo(*document, path))
        m_main.setCaption(document, path);
}

void DocumentCommands::pageSetup()
{
    CommonDialog &dialog = m_main.dialog();
    dialog.values.title = QStringLiteral("Page Setup");
    dialog.values.cancelError = true;
    dialog.showPageSetup(m_main.printer()); // kept on the shared printer for the next print
}

void DocumentCommands::print()
{
    frmDocument *document = m_main.activeDocument();
    if (!document)
        return;
    CommonDialog &dialog = m_main.dialog();
    dialog.values.title = QStringLiteral("Print");
    dialog.values.cancelError = true;
    dialog.values.flags = CommonDialog::kPrintReturnDc + CommonDialog::kPrintNoPageNumbers;
    if (document->rtfText()->SelLength() != 0)
        dialog.values.flags += CommonDialog::kPrintSelection;
    if (!dialog.showPrinter(m_main.printer()))
        return;
    document->rtfText()->SelPrint(m_main.printer());
}

void DocumentCommands::copy()
{
    if (frmDocument *document = m_main.activeDocument())
        QApplication::clipboard()->setMimeData(document->rtfText()->selectionAsMimeData());
}

void DocumentCommands::cut()
{
    frmDocument *document = m_main.activeDocument();
    if (!document)
        return;
    copy();
    document->rtfText()->setSelText(QString());
}

void DocumentCommands::paste()
{
    if (frmDocument *document = m_main.activeDocument()) {
        if (const QMimeData *data = QApplication::clipboard()->mimeData())
            document->rtfText()->pasteMimeData(*data);
    }
}

void DocumentCommands::find()
{
    m_main.sFind = m_main.dialog().prompt(QStringLiteral("Какое слово искать?"), m_main.sFind);
    if (frmDocument *document = m_main.activeDocument())
        document->rtfText()->Find(m_main.sFind);
}

void DocumentCommands::findNext()
{
    frmDocument *document = m_main.activeDocument();
    if (!document)
        return;
    richtext::RichTextBox &box = *document->rtfText();
    // Straight after the current match, so that a match that follows at once is found too.
    box.setSelStart(box.SelStart() + box.SelLength());
    box.Find(m_main.sFind, std::nullopt, box.textLength());
}

void DocumentCommands::font()
{
    CommonDialog &dialog = m_main.dialog();
    dialog.values.flags = CommonDialog::kFontFlags;
    if (!dialog.showFont())
        return; // a cancelled dialog leaves the selection as it was
    frmDocument *document = m_main.activeDocument();
    if (!document)
        return;
    richtext::RichTextBox &box = *document->rtfText();
    const CommonDialog::Values &v = dialog.values;
    box.setSelFontName(v.fontName);
    box.setSelFontSize(v.fontSize);
    box.setSelBold(v.fontBold);
    box.setSelItalic(v.fontItalic);
    box.setSelStrikeThru(v.fontStrikethru);
    box.setSelUnderline(v.fontUnderline);
    box.setSelColor(v.color);
}

void DocumentCommands::toggle(Command command)
{
    frmDocument *document = m_main.activeDocument();
    QAction *button = m_main.toolButton(command == Command::Bold     ? QStringLiteral("Bold")
                                        : command == Command::Italic ? QStringLiteral("Italic")
                                                                     : QStringLiteral("Underline"));
    if (!document) {
        button->setChecked(false);
        return;
    }
    richtext::RichTextBox &box = *document->rtfText();
    // A mixed selection has no single value; toggling it sets the property for all of it.
    switch (command) {
    case Command::Bold: box.setSelBold(!box.SelBold().value_or(false)); break;
    case Command::Italic: box.setSelItalic(!box.SelItalic().value_or(false)); break;
    default: box.setSelUnderline(!box.SelUnderline().value_or(false)); break;
    }
    m_main.updateFormatButtons();
}

void DocumentCommands::align(Command command)
{
    frmDocument *document = m_main.activeDocument();
    if (!document) {
        m_main.toolButton(QStringLiteral("Align Left"))->setChecked(false);
        m_main.toolButton(QStringLiteral("Center"))->setChecked(false);
        m_main.toolButton(QStringLiteral("Align Right"))->setChecked(false);
        return;
    }
    document->rtfText()->setSelAlignment(command == Command::AlignCenter  ? richtext::RichTextBox::AlignCenter
                                         : command == Command::AlignRight ? richtext::RichTextBox::AlignRight
                                                                          : richtext::RichTextBox::AlignLeft);
    m_main.updateFormatButtons();
}

void DocumentCommands::helpContents()
{
    frmDocument *document = m_main.NewNumberedDocument();
    if (!m_main.loadHelp(*document))
        m_main.dialog().message(QStringLiteral("Не могу найти Help.rtf"));
}

void DocumentCommands::about()
{
    m_main.dialog().message(QStringLiteral("        Version %1.%2.%3\r\nПрограмма Pelmark.")
                                .arg(PELMARK_VERSION_MAJOR)
                                .arg(PELMARK_VERSION_MINOR)
                                .arg(PELMARK_VERSION_PATCH));
}

} // namespace pelmark::workspace
