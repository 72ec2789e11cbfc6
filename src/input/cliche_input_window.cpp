#include "cliche_input_window.h"

#include "initial_cliche.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace pelmark::input {
namespace {

// Sizes in twips, converted at 96 dots per inch (15 twips to the pixel).
constexpr int px(int twips)
{
    return twips / 15;
}

QString fromCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QLabel *addPanel(QStatusBar *bar, const QString &text, int widthTwips)
{
    auto *panel = new QLabel(text, bar);
    panel->setMinimumWidth(px(widthTwips));
    bar->addWidget(panel);
    return panel;
}

} // namespace

FrmInputCl::FrmInputCl(QWidget *parent) : QMainWindow(parent), m_text(new QTextEdit(this))
{
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
    m_text->setPlainText(fromCrLf(QString::fromStdU16String(std::u16string(kInitialClicheText))));
    m_text->viewport()->installEventFilter(this);
    setFocusProxy(m_text);

    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    addPanel(bar, QStringLiteral("Число символов"), 1440);
    m_characterCount = addPanel(bar, QString(), 440);
    addPanel(bar, QStringLiteral("Число строк"), 1440);
    m_lineCount = addPanel(bar, QString(), 440);
    bar->setSizeGripEnabled(false);

    // The window keeps its size: the box does not follow a resize.
    setFixedSize(px(3885), px(2970) + menuBar()->sizeHint().height());
    // Created with its initial text the counters stay empty until the text first changes.
    connect(m_text, &QTextEdit::textChanged, this, &FrmInputCl::updateCounters);
}

QString FrmInputCl::text() const
{
    QString text = m_text->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void FrmInputCl::setText(const QString &text)
{
    m_text->setPlainText(fromCrLf(text));
    m_text->moveCursor(QTextCursor::End);
}

QString FrmInputCl::characterCountText() const
{
    return m_characterCount->text();
}
QString FrmInputCl::lineCountText() const
{
    return m_lineCount->text();
}

int FrmInputCl::displayedLineCount() const
{
    QTextDocument *document = m_text->document();
    document->documentLayout()->documentSize(); // finishes any pending layout
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines += std::max(block.layout() ? block.layout()->lineCount() : 1, 1);
    return lines;
}

void FrmInputCl::updateCounters()
{
    const int lines = displayedLineCount();
    m_lineCount->setText(QLatin1Char(' ') + QString::number(lines));
    m_characterCount->setText(QString::number(text().size() - 2 * lines + 2));
}

bool FrmInputCl::eventFilter(QObject *watched, QEvent *event)
{
    // The initial text is a prompt: the first press of a mouse button in the box clears it.
    // Text the user typed is never wiped by a click.
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonPress &&
        text() == QString::fromStdU16String(std::u16string(kInitialClicheText)))
        setText(QString());
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pelmark::input
