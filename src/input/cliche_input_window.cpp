#include "cliche_input_window.h"

#include "displayed_lines.h"
#include "initial_cliche.h"
#include "qt_text.h"
#include "status_panels.h"
#include "twips.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>

namespace pelmark::input {
namespace {

// Panels of the status bar, from 0.
enum Panel { CharacterLabel, CharacterCount, LineLabel, LineCount };

QString initialText()
{
    return toQString(kInitialClicheText);
}

} // namespace

ClicheInputWindow::ClicheInputWindow(QWidget *parent) : QMainWindow(parent), m_text(new QTextEdit(this))
{
    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    setObjectName(QStringLiteral("FrmInputCl"));
    setWindowTitle(QStringLiteral("ВВод клише"));
    setAttribute(Qt::WA_DeleteOnClose);

    QMenu *file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *close = file->addAction(QStringLiteral("Закрыть окно"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("mnuExit"));

    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_text->setObjectName(QStringLiteral("TxtClsh"));
    m_text->setParent(central);
    m_text->setAcceptRichText(false);
    m_text->setLineWrapMode(QTextEdit::WidgetWidth);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setGeometry(px(240), px(120), px(3375), px(2295));
    m_text->setPlainText(toLfLineEnds(initialText()));
    m_text->viewport()->installEventFilter(this);
    setFocusProxy(m_text);

    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    m_panels = new StatusPanels(*bar);
    // A count panel holds any count a cliche can reach.
    const int countWidth = std::max(px(440), bar->fontMetrics().horizontalAdvance(QStringLiteral("-000000")));
    m_panels->add(QStringLiteral("Число символов"), px(1440));
    m_panels->add(QString(), countWidth);
    m_panels->add(QStringLiteral("Число строк"), px(1440));
    m_panels->add(QString(), countWidth);
    bar->setSizeGripEnabled(false);

    // The window keeps its size: the box does not follow a resize. It is wider than its 3885
    // twips only where the desktop's font makes the four status panels need more.
    setFixedSize(std::max(px(3885), m_panels->requiredWidth()), px(2970) + menuBar()->sizeHint().height());
    // Created with its initial text the counters stay empty until the text first changes.
    connect(m_text, &QTextEdit::textChanged, this, &ClicheInputWindow::updateCounters);
    connect(m_text, &QTextEdit::textChanged, this, &ClicheInputWindow::textChanged);
}

QString ClicheInputWindow::text() const
{
    return toCrLfLineEnds(m_text->toPlainText());
}

void ClicheInputWindow::setText(const QString &text)
{
    m_text->setPlainText(toLfLineEnds(text));
    m_text->moveCursor(QTextCursor::End);
}

QString ClicheInputWindow::characterCountText() const
{
    return m_panels->panel(CharacterCount)->text();
}
QString ClicheInputWindow::lineCountText() const
{
    return m_panels->panel(LineCount)->text();
}

void ClicheInputWindow::updateCounters()
{
    const int lines = displayedLineCount(*m_text->document());
    m_panels->setText(LineCount, QLatin1Char(' ') + QString::number(lines));
    m_panels->setText(CharacterCount, QString::number(statusCharacterCount(text().size(), lines)));
}

bool ClicheInputWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The initial text is a prompt: the first press of a mouse button in the box clears it.
    // Text the user typed is never wiped by a click.
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonPress && text() == initialText())
        setText(QString());
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pelmark::input
