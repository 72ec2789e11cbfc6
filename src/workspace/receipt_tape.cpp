#include "receipt_tape.h"

#include "document_font.h"
#include "qt_text.h"
#include "receipt_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>

#include <utility>

namespace pelmark::workspace {
namespace {

const QColor kPaper(0xFF, 0xFE, 0xF4);
const QColor kTooLong(0xC6, 0x28, 0x28);
const QColor kTooLongBackground(0xFF, 0xE3, 0xE0);
const QColor kUncoded(0xFF, 0xD5, 0x4F);

} // namespace

// Colours the lines too long and the characters without a code as the text is laid out, a
// changed line at a time.
class ReceiptTape::Highlighter final : public QSyntaxHighlighter {
public:
    Highlighter(ReceiptTape &tape) : QSyntaxHighlighter(tape.document()), m_tape(tape) {}

protected:
    void highlightBlock(const QString &text) override
    {
        const LineMarks &marks = m_tape.marksOf(currentBlock().blockNumber());
        if (marks.overflow > 0) {
            QTextCharFormat tooLong;
            tooLong.setForeground(kTooLong);
            tooLong.setBackground(kTooLongBackground);
            setFormat(0, int(text.size()), tooLong);
        }
        QTextCharFormat uncoded;
        uncoded.setBackground(kUncoded);
        for (std::size_t position : marks.uncoded)
            setFormat(int(position), 1, uncoded);
    }

private:
    ReceiptTape &m_tape;
};

// The strip beside the tape where "+N" stands at a line too long.
class ReceiptTape::Gutter final : public QWidget {
public:
    explicit Gutter(ReceiptTape &tape) : QWidget(&tape), m_tape(tape) {}

protected:
    void paintEvent(QPaintEvent *event) override { m_tape.paintGutter(event); }

private:
    ReceiptTape &m_tape;
};

ReceiptTape::ReceiptTape(QWidget *parent)
    : QPlainTextEdit(parent), m_gutter(new Gutter(*this)), m_highlighter(new Highlighter(*this))
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(richtext::documentFont());
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(false);
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
    std::vector<LineMarks> marks;
    marks.reserve(preview.lines.size());
    for (const PreviewLine &line : preview.lines) {
        QString text = toQString(line.text);
        if (qsizetype(preview.width) > text.size())
            text += QString(qsizetype(preview.width) - text.size(), QLatin1Char(' '));
        lines << text;
        marks.push_back({int(line.overflow), line.uncoded});
    }
    // The marks go first: the highlighter reads them as the changed lines go in.
    const std::vector<LineMarks> previous = std::exchange(m_marks, std::move(marks));
    const auto [first, last] = setLines(lines);
    // A line whose text stayed may still be marked anew, when another model reads it otherwise.
    const int shift = int(m_marks.size()) - int(previous.size());
    for (int line = 0; line < int(m_marks.size()); ++line) {
        if (line >= first && line < last)
            continue;
        const int before = line < first ? line : line - shift;
        if (before < 0 || before >= int(previous.size()) ||
            !(previous[std::size_t(before)] == m_marks[std::size_t(line)]))
            m_highlighter->rehighlightBlock(document()->findBlockByNumber(line));
    }
    fitWidth(preview.width);
    m_gutter->update();
}

// A keystroke changes a line or two, or adds or removes one: only the lines between the
// unchanged ones at the top and at the bottom are replaced, so the tape is not laid out whole
// on every key.
std::pair<int, int> ReceiptTape::setLines(const QStringList &lines)
{
    QTextDocument &tape = *document();
    const int oldCount = tape.blockCount();
    const int newCount = int(lines.size());
    int top = 0;
    while (top < oldCount && top < newCount && tape.findBlockByNumber(top).text() == lines[top])
        ++top;
    int bottom = 0;
    while (bottom < oldCount - top && bottom < newCount - top &&
           tape.findBlockByNumber(oldCount - 1 - bottom).text() == lines[newCount - 1 - bottom])
        ++bottom;
    if (top == oldCount && top == newCount)
        return {top, top};

    const int oldEnd = oldCount - bottom; // old lines [top, oldEnd) give way to new [top, newEnd)
    const int newEnd = newCount - bottom;
    const auto blockEnd = [&tape](int number) {
        const QTextBlock block = tape.findBlockByNumber(number);
        return block.position() + block.length() - 1;
    };
    const QString middle = QStringList(lines.mid(top, newEnd - top)).join(QLatin1Char('\n'));
    QTextCursor cursor(&tape);
    if (top < oldEnd && top < newEnd) { // lines changed
        cursor.setPosition(tape.findBlockByNumber(top).position());
        cursor.setPosition(blockEnd(oldEnd - 1), QTextCursor::KeepAnchor);
        cursor.insertText(middle);
    } else if (top < oldEnd) { // lines removed, with the line break after them or before them
        const bool last = oldEnd == oldCount;
        cursor.setPosition(last ? blockEnd(top - 1) : tape.findBlockByNumber(top).position());
        cursor.setPosition(last ? blockEnd(oldCount - 1) : tape.findBlockByNumber(oldEnd).position(),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    } else if (top < oldCount) { // lines added before the unchanged bottom
        cursor.setPosition(tape.findBlockByNumber(top).position());
        cursor.insertText(middle + QLatin1Char('\n'));
    } else { // lines added at the end
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + middle);
    }
    return {top, newEnd};
}

const ReceiptTape::LineMarks &ReceiptTape::marksOf(int line) const
{
    static const LineMarks none;
    return line >= 0 && std::size_t(line) < m_marks.size() ? m_marks[std::size_t(line)] : none;
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
        if (const int overflow = marksOf(block.blockNumber()).overflow; overflow > 0)
            painter.drawText(QRectF(2, box.top(), m_gutter->width() - 2, box.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("+%1").arg(overflow));
    }
}

} // namespace pelmark::workspace
