#pragma once

#include <QWidget>

class QLabel;
class QStatusBar;
class QTimer;

namespace pelmark::richtext {
class RichTextBox;
}

namespace pelmark::workspace {

// A document: one rich-text box and a status bar with the counts of characters and lines and
// the time and date. It lives in a subwindow of the main window's MDI area.
class frmDocument final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDocument)

public:
    explicit frmDocument(QWidget *parent = nullptr);

    richtext::RichTextBox *rtfText() const { return m_text; }
    QStatusBar *statusBar() const { return m_statusBar; }
    // Panel texts, numbered from 1 as the status bar shows them.
    QString panelText(int panel) const;

signals:
    // The caret or the selection moved.
    void selectionChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void updateCounts();
    void updateClock();
    void layOut();

    richtext::RichTextBox *m_text;
    QStatusBar *m_statusBar;
    QList<QLabel *> m_panels;
    QTimer *m_clock;
    bool m_countsPending = false;
};

} // namespace pelmark::workspace
