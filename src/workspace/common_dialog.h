#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class QPrinter;
class QWidget;

namespace pelmark::workspace {

// The one dialog object every command shows its dialogs, messages and prompts through. The
// values a command sets, and those a dialog returns, stay until they are set again, so the next
// command starts from them. The program uses the Qt implementation; tests use a scripted one.
class CommonDialog : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommonDialog)

public:
    struct Values {
        QString title;
        QString filter; // "Description|*.ext|Description|*.ext"
        QString defaultExtension = QStringLiteral("txt");
        bool cancelError = false; // a cancelled dialog counts as a failure of the command
        int flags = 0;
        QString fileName;
        QString fontName = QStringLiteral("Courier New");
        double fontSize = 12;
        bool fontBold = false;
        bool fontItalic = false;
        bool fontStrikethru = false;
        bool fontUnderline = false;
        QColor color = Qt::black;
    };

    // Print-dialog flags: the selection option is offered and preselected.
    static constexpr int kPrintSelection = 1;
    static constexpr int kPrintReturnDc = 256;
    static constexpr int kPrintNoPageNumbers = 8;
    static constexpr int kFontFlags = 259;

    explicit CommonDialog(QObject *parent = nullptr);

    Values values;

    // Each returns false when the user cancelled. The file dialogs leave the chosen path in
    // values.fileName, empty on cancel; the font dialog leaves its choice in the font values.
    virtual bool showOpen() = 0;
    virtual bool showSave() = 0;
    virtual bool showPrinter(QPrinter &printer) = 0;
    virtual bool showPageSetup(QPrinter &printer) = 0;
    virtual bool showFont() = 0;
    // A modal message with an OK button and no title of its own.
    virtual void message(const QString &text) = 0;
    // A prompt with a default answer; empty on cancel.
    virtual QString prompt(const QString &text, const QString &defaultAnswer) = 0;
};

} // namespace pelmark::workspace
