#pragma once

#include "common_dialog.h"

namespace pelmark::workspace {

// The platform's dialogs, modal over the main window.
class QtCommonDialog final : public CommonDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtCommonDialog)

public:
    explicit QtCommonDialog(QWidget *owner);

    bool showOpen() override;
    bool showSave() override;
    bool showPrinter(QPrinter &printer) override;
    bool showPageSetup(QPrinter &printer) override;
    bool showFont() override;
    void message(const QString &text) override;
    QString prompt(const QString &text, const QString &defaultAnswer) override;

    // "Text files|*.txt|All|*.*" as Qt writes it: "Text files (*.txt);;All (*.*)".
    static QString qtFilter(const QString &filter);

private:
    bool showFileDialog(bool save);

    QWidget *m_owner;
};

} // namespace pelmark::workspace
