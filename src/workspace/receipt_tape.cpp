#include "receipt_tape.h"

#include "document_font.h"
#include "qt_text.h"
#include "receipt_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

namespace pelmark::workspace {
namespace {

const QColor kPaper(0xFF, 0xFE, 0xF4);
const QColor kTooLong(0xC6, 0x28, 0x28);
const QColor kTooLongBackground(0xFF, 0xE3, 0xE0);
const QColor kUncoded(0xFF, 0xD5, 0x4F);

} // namespace

// The strip beside the tape where "+N" stands at a line too long.
class ReceiptTape::Gutter final : public QWidget {
public:
    explicit Gutter(ReceiptTape &tape) : QWidget(&tape), m_tape(tape) {}

protected:
    void paintEvent(QPaintEvent *event) override { m_tape.paintGutter(event); }

private:
    ReceiptTape &m_tape;
};

ReceiptTape::ReceiptTape(QWidget *parent) : QPlainTextEdit(parent), m_gutter(new Gutter(*this))
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(richtext::documentFont());
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette paper = palette();
    paper.setColor(QPalette::Base, kPaper);
    paper.setColor(QPalette::Text, Qt::black);
    setPalette(paper);
    setViewportMargins(0, 0, gutterWidth(), 0);
    connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this](const QRect &rect, int dy) {
        dy ? m_gutter->scroll(0, dy) : m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    });
}

int ReceiptTape::gutterWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("+000")) + 4;
}

void ReceiptTape::showReceipt(const ReceiptPreview &preview)
{
    QStringList lines;
    QList<QTextEdit::ExtraSelection> marks;
    m_overflows.clear();
    for (const PreviewLine &line : preview.lines) {
        QString text = toQString(line.text);
        if (qsizetype(preview.width) > text.size())
            text += QString(qsizetype(preview.width) - text.size(), QLatin1Char(' '));
        lines << text;
        m_overflows.push_back(int(line.overflow));
    }
    setPlainText(lines.join(QLatin1Char('\n')));
    fitWidth(preview.width);

    QTextBlock block = document()->begin();
    for (const PreviewLine &line : preview.lines) {
        if (line.overflow > 0) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(block);
            mark.cursor.select(QTextCursor::LineUnderCursor);
            mark.format.setForeground(kTooLong);
            mark.format.setBackground(kTooLongBackground);
            marks << mark;
        }
        for (std::size_t position : line.uncoded) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(block);
            mark.cursor.setPosition(block.position() + int(position));
            mark.cursor.setPosition(block.position() + int(position) + 1, QTextCursor::KeepAnchor);
            mark.format.setBackground(kUncoded);
            marks << mark;
        }
        block = block.next();
    }
    setExtraSelections(marks);
    m_gutter->update();
}

int ReceiptTape::overflowOf(int line) const
{
    return line >= 0 && std::size_t(line) < m_overflows.size() ? m_overflows[std::size_t(line)] : 0;
}

// Exactly `characters` wide, however the desktop's font and scroll bar are.
void ReceiptTape::fitWidth(std::size_t characters)
{
    const int text = fontMetrics().horizontalAdvance(QString(qsizetype(characters), QLatin1Char('0')));
    const int margins = 2 * int(document()->documentMargin()) + 2 * frameWidth() + 1;
    setFixedWidth(text + margins + gutterWidth() + verticalScrollBar()->sizeHint().width());
}

void ReceiptTape::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_gutter->setGeometry(viewport()->geometry().right() + 1, area.top(), gutterWidth(), area.height());
}

void ReceiptTape::paintGutter(QPaintEvent *event)
{
    QPainter painter(m_gutter);
    painter.fillRect(event->rect(), palette().window());
    painter.setPen(kTooLong);
    painter.setFont(font());
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > event->rect().bottom())
            break;
        if (const int overflow = overflowOf(block.blockNumber()); overflow > 0)
            painter.drawText(QRectF(2, box.top(), m_gutter->width() - 2, box.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("+%1").arg(overflow));
    }
}

} // namespace pelmark::workspace
