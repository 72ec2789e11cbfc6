#pragma once

#include <QWidget>

class QLabel;
class QStatusBar;
class QTimer;

namespace pelmark::richtext {
class RichTextBox;
}
namespace pelmark::input {
class StatusPanels;
}

namespace pelmark::workspace {

// A document: one rich-text box and a status bar with the counts of characters and lines and
// the time and date. It lives in a subwindow of the main window's MDI area.
class DocumentWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DocumentWindow)

public:
    explicit DocumentWindow(QWidget *parent = nullptr);

    richtext::RichTextBox *textBox() const { return m_text; }
    QStatusBar *statusBar() const { return m_statusBar; }
    // The title of the subwindow that holds the document: its file's path, or its name.
    QString caption() const;
    void setCaption(const QString &caption);
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
    input::StatusPanels *m_panels;
    QTimer *m_clock;
    bool m_countsPending = false;
};

} // namespace pelmark::workspace
