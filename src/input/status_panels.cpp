#include "status_panels.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace pelmark::input {
namespace {

// What the status bar puts between and around its panels, in pixels.
constexpr int kPanelGap = 6;
constexpr int kBarMargin = 4;

} // namespace

StatusPanels::StatusPanels(QStatusBar &bar) : QObject(&bar), m_bar(bar)
{
    m_bar.installEventFilter(this);
}

QLabel *StatusPanels::add(const QString &text, int minimumWidth)
{
    auto *panel = new QLabel(text, &m_bar);
    m_bar.addWidget(panel);
    m_panels << panel;
    m_minimumWidths << minimumWidth;
    fit();
    return panel;
}

void StatusPanels::setText(int index, const QString &text)
{
    QLabel *panel = m_panels[index];
    if (panel->text() == text)
        return;
    panel->setText(text);
    fit();
}

bool StatusPanels::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_bar && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

int StatusPanels::neededWidth(int index) const
{
    const QLabel *panel = m_panels[index];
    const QMargins margins = panel->contentsMargins();
    const int textWidth = panel->fontMetrics().horizontalAdvance(panel->text()) + margins.left() +
                          margins.right() + 2 * panel->margin();
    return std::max(m_minimumWidths[index], textWidth);
}

int StatusPanels::requiredWidth() const
{
    int width = 2 * kBarMargin - kPanelGap;
    for (int i = 0; i < m_panels.size(); ++i)
        width += neededWidth(i) + kPanelGap;
    return width;
}

void StatusPanels::fit()
{
    const int available = m_bar.width() - 2 * kBarMargin;
    int used = 0;
    bool fits = true;
    for (int i = 0; i < m_panels.size(); ++i) {
        const int width = neededWidth(i);
        fits = fits && used + width <= available;
        m_panels[i]->setMinimumWidth(width);
        m_panels[i]->setVisible(fits);
        used += width + kPanelGap;
    }
}

} // namespace pelmark::input
