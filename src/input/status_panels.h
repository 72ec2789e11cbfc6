#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QStatusBar;

namespace pelmark::input {

// The text panels of a status bar, left to right. A panel is at least its own width and never
// narrower than its text; when the bar is too narrow for all of them, panels are left out from
// the right, and they come back when it grows.
class StatusPanels final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusPanels)

public:
    explicit StatusPanels(QStatusBar &bar);

    // Appends a panel showing `text`, at least `minimumWidth` pixels wide.
    QLabel *add(const QString &text, int minimumWidth);
    QLabel *panel(int index) const { return m_panels[index]; }
    qsizetype count() const { return m_panels.size(); }
    void setText(int index, const QString &text);
    // The bar's width that shows every panel as it stands.
    int requiredWidth() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    int neededWidth(int index) const;

    QStatusBar &m_bar;
    QList<QLabel *> m_panels;
    QList<int> m_minimumWidths;
};

} // namespace pelmark::input
