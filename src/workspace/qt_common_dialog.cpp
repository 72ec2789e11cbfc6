#include "qt_common_dialog.h"

#include "font_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace pelmark::workspace {

QtCommonDialog::QtCommonDialog(QWidget *owner) : CommonDialog(owner), m_owner(owner) {}

QString QtCommonDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") +
                           QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                           QLatin1Char(')');
        entries << description;
    }
    return entries.join(QStringLiteral(";;"));
}

bool QtCommonDialog::showFileDialog(bool save)
{
    QFileDialog dialog(m_owner, values.title);
    dialog.setNameFilter(qtFilter(values.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setDefaultSuffix(values.defaultExtension);
    if (!values.fileName.isEmpty())
        dialog.selectFile(values.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        values.fileName.clear();
        return false;
    }
    values.fileName = dialog.selectedFiles().constFirst();
    return true;
}

bool QtCommonDialog::showOpen()
{
    return showFileDialog(false);
}
bool QtCommonDialog::showSave()
{
    return showFileDialog(true);
}

bool QtCommonDialog::showPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_owner);
    dialog.setWindowTitle(values.title);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (values.flags & kPrintSelection) {
        options |= QAbstractPrintDialog::PrintSelection;
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    }
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

bool QtCommonDialog::showPageSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, m_owner);
    dialog.setWindowTitle(values.title);
    return dialog.exec() == QDialog::Accepted;
}

bool QtCommonDialog::showFont()
{
    FontDialog dialog(m_owner);
    dialog.setChoice(values);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.takeChoice(values);
    return true;
}

void QtCommonDialog::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, m_owner);
    box.exec();
}

QString QtCommonDialog::prompt(const QString &text, const QString &defaultAnswer)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(m_owner, QApplication::applicationName(), text,
                                                 QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

} // namespace pelmark::workspace
