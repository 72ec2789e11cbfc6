#pragma once

#include <QMainWindow>

class QTextEdit;

namespace pelmark::input {

class StatusPanels;

// The window the cliche is typed in: one receipt line per line, with the counts of lines and
// characters below. It is a top-level window of its own; the text lives as long as the window.
class ClicheInputWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClicheInputWindow)

public:
    explicit ClicheInputWindow(QWidget *parent = nullptr);

    // The cliche, lines separated by CR LF. Setting it updates the counters like typing does.
    QString text() const;
    void setText(const QString &text);

    // The layout's work string; never shown.
    QString scratchText() const { return m_scratch; }
    void setScratchText(const QString &text) { m_scratch = text; }

    QTextEdit *textBox() const { return m_text; }
    QString characterCountText() const;
    QString lineCountText() const;

signals:
    // The cliche changed: typed, pasted, cleared or laid out.
    void textChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCounters();

    QTextEdit *m_text;
    QString m_scratch;
    StatusPanels *m_panels;
};

} // namespace pelmark::input
