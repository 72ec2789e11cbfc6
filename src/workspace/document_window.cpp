#include "document_window.h"

#include "displayed_lines.h"
#include "rich_text_box.h"
#include "status_panels.h"
#include "twips.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace pelmark::workspace {
namespace {

enum Panel { CharactersLabel = 1, Characters, LinesLabel, Lines, Time, Date };

} // namespace

DocumentWindow::DocumentWindow(QWidget *parent)
    : QWidget(parent), m_text(new richtext::RichTextBox(this)), m_statusBar(new QStatusBar(this)),
      m_panels(new input::StatusPanels(*m_statusBar)), m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("frmDocument"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName(QStringLiteral("rtfText"));
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);

    const double dpi = logicalDpiX();
    const int labelWidth = twipsToPixels(1440, dpi);
    const int countWidth = twipsToPixels(440, dpi);
    const int widths[] = {labelWidth, countWidth, labelWidth, countWidth, countWidth * 2, countWidth * 3};
    const QString texts[] = {QStringLiteral("Число символов"), {}, QStringLiteral("Число строк"), {}, {}, {}};
    for (int i = 0; i < 6; ++i) {
        m_panels->add(texts[i], widths[i])->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    }
    updateClock();
    m_clock->start(1000);
    connect(m_clock, &QTimer::timeout, this, &DocumentWindow::updateClock);
    connect(m_text, &QTextEdit::textChanged, this, &DocumentWindow::updateCounts);
    connect(m_text, &QTextEdit::cursorPositionChanged, this, &DocumentWindow::selectionChanged);
    connect(m_text, &QTextEdit::selectionChanged, this, &DocumentWindow::selectionChanged);
    setFocusProxy(m_text);
    resize(twipsToPixels(6000, dpi), twipsToPixels(4000, dpi));
    layOut();
}

QString DocumentWindow::caption() const
{
    return parentWidget() ? parentWidget()->windowTitle() : QString();
}

void DocumentWindow::setCaption(const QString &caption)
{
    if (parentWidget())
        parentWidget()->setWindowTitle(caption);
}

QString DocumentWindow::panelText(int panel) const
{
    return panel >= 1 && panel <= m_panels->count() ? m_panels->panel(panel - 1)->text() : QString();
}

void DocumentWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

// Margins of 100 twips at the left, top and right of the box, and 300 below it for the status
// bar; lines wrap 400 twips inside the box's right edge. A window too small for them keeps what
// still fits.
void DocumentWindow::layOut()
{
    const double dpi = logicalDpiX();
    const int margin = twipsToPixels(100, dpi);
    const int width = this->width() - twipsToPixels(200, dpi);
    const int height = this->height() - twipsToPixels(400, dpi);
    if (width > 0 && height > 0)
        m_text->setGeometry(margin, margin, width, height);
    m_text->setRightMargin(m_text->width() - twipsToPixels(400, dpi));
    const int barHeight = twipsToPixels(300, dpi);
    m_statusBar->setGeometry(0, std::max(this->height() - barHeight, 0), this->width(), barHeight);
}

void DocumentWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_countsPending)
        updateCounts();
}

void DocumentWindow::updateCounts()
{
    // Displayed lines depend on the shown width: a window not on the screen yet counts once it
    // is, rather than laying its text out twice.
    if (!isVisible()) {
        m_countsPending = true;
        return;
    }
    m_countsPending = false;
    const int lines = m_text->displayedLineCount();
    m_panels->setText(Lines - 1, QLatin1Char(' ') + QString::number(lines));
    m_panels->setText(Characters - 1, QString::number(statusCharacterCount(m_text->textLength(), lines)));
}

void DocumentWindow::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale(QLocale::Russian, QLocale::Russia); // 10.12.2026, as the program speaks Russian
    m_panels->setText(Time - 1, locale.toString(now.time(), QLocale::ShortFormat));
    m_panels->setText(Date - 1, locale.toString(now.date(), QLocale::ShortFormat));
}

} // namespace pelmark::workspace
