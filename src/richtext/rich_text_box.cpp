#include "rich_text_box.h"

#include "displayed_lines.h"
#include "document_font.h"
#include "file_writing.h"
#include "input_file.h"
#include "plain_text.h"
#include "plain_text_import.h"
#include "qt_text.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include <memory>

namespace pelmark::richtext {

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    document()->setDefaultFont(documentFont());
    setCurrentFont(documentFont());
}

QString RichTextBox::text() const
{
    return crLfText(*document());
}

int RichTextBox::textLength() const
{
    const QString raw = document()->toRawText();
    qsizetype length = 0;
    for (QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            length += 2;
        else if (c != QChar::ObjectReplacementCharacter)
            length += 1;
    }
    return int(length);
}

void RichTextBox::setText(const QString &text)
{
    // Not QTextEdit::setText, which guesses whether the text is HTML.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(toLfLineEnds(text), QTextCharFormat());
    cursor.endEditBlock();
}

int RichTextBox::selStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(position, 0, document()->characterCount() - 1));
    setTextCursor(cursor);
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

QString RichTextBox::selText() const
{
    return crLfText(textCursor().selectedText());
}

void RichTextBox::setSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(toLfLineEnds(text));
    setTextCursor(cursor);
}

QByteArray RichTextBox::selRtf() const
{
    const QTextCursor cursor = textCursor();
    return RtfWriter::write(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

void RichTextBox::setSelRtf(const QByteArray &markup)
{
    QTextCursor cursor = textCursor();
    if (looksLikeRtf(markup)) {
        RtfReader::insert(markup, cursor);
    } else {
        cursor.insertText(decodePlainText(markup));
    }
    setTextCursor(cursor);
}

std::optional<bool> RichTextBox::commonCharProperty(bool (*read)(const QTextCharFormat &)) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return read(cursor.charFormat());
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<bool> common;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const bool value = read(fragment.charFormat());
            if (common && *common != value)
                return std::nullopt;
            common = value;
        }
    }
    return common ? common : read(cursor.charFormat());
}

std::optional<bool> RichTextBox::selBold() const
{
    return commonCharProperty([](const QTextCharFormat &f) { return f.fontWeight() >= QFont::Bold; });
}

std::optional<bool> RichTextBox::selItalic() const
{
    return commonCharProperty([](const QTextCharFormat &f) { return f.fontItalic(); });
}

std::optional<bool> RichTextBox::selUnderline() const
{
    return commonCharProperty([](const QTextCharFormat &f) { return f.fontUnderline(); });
}

std::optional<bool> RichTextBox::selStrikeThrough() const
{
    return commonCharProperty([](const QTextCharFormat &f) { return f.fontStrikeOut(); });
}

std::optional<int> RichTextBox::selAlignment() const
{
    const QTextCursor cursor = textCursor();
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    std::optional<int> common;
    for (QTextBlock block = document()->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        const int value = alignment & Qt::AlignHCenter ? AlignCenter
                          : alignment & Qt::AlignRight ? AlignRight
                                                       : AlignLeft;
        if (common && *common != value)
            return std::nullopt;
        common = value;
        if (block == last)
            break;
    }
    return common;
}

void RichTextBox::mergeFormat(const QTextCharFormat &format)
{
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeFormat(format);
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeFormat(format);
}

void RichTextBox::setSelStrikeThrough(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeFormat(format);
}

void RichTextBox::setSelFontName(const QString &family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeFormat(format);
}

void RichTextBox::setSelFontSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
}

void RichTextBox::setSelColor(const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
}

void RichTextBox::setSelAlignment(int alignment)
{
    setAlignment(alignment == AlignCenter  ? Qt::AlignHCenter
                 : alignment == AlignRight ? Qt::AlignRight
                                           : Qt::AlignLeft);
}

int RichTextBox::findWord(const QString &word, std::optional<int> start, std::optional<int> end)
{
    if (word.isEmpty())
        return -1;
    const QString text = document()->toPlainText();
    const qsizetype length = text.size();
    const QTextCursor cursor = textCursor();
    qsizetype from = 0;
    qsizetype to = length;
    if (start || end) {
        from = start ? *start : cursor.position();
        to = end ? *end : length;
    } else if (cursor.hasSelection()) {
        from = cursor.selectionStart();
        to = cursor.selectionEnd();
    }
    from = std::clamp<qsizetype>(from, 0, length);
    to = std::clamp<qsizetype>(to, from, length);
    const qsizetype found = QStringView(text).mid(from, to - from).indexOf(word, 0, Qt::CaseInsensitive);
    if (found < 0)
        return -1;
    QTextCursor match(document());
    match.setPosition(int(from + found));
    match.setPosition(int(from + found + word.size()), QTextCursor::KeepAnchor);
    setTextCursor(match);
    return int(from + found);
}

bool RichTextBox::loadFile(const QString &path, QString *error)
{
    std::string reason;
    const std::optional<std::string> bytes =
        files::readInputFile(QFile::encodeName(path).toStdString(), reason);
    if (!bytes) {
        if (error)
            *error = QString::fromStdString(reason);
        return false;
    }
    // The file is read into a document of its own, which replaces the shown one only when it is
    // whole: a load that fails half-way leaves the box as it was.
    auto loaded = std::make_unique<QTextDocument>();
    loaded->setDefaultFont(documentFont());
    const QByteArrayView view(bytes->data(), qsizetype(bytes->size()));
    if (looksLikeRtf(view))
        RtfReader::load(view, *loaded);
    else
        loaded->setPlainText(decodePlainText(view));
    // The editor deletes its own first document itself; one loaded before is ours to delete.
    const QPointer<QTextDocument> previous = document();
    loaded->setParent(this);
    setDocument(loaded.release());
    if (previous && previous->parent() == this)
        delete previous.data();
    moveCursor(QTextCursor::Start);
    return true;
}

bool RichTextBox::saveFile(const QString &path, QString *error) const
{
    return writeFileSafely(path, RtfWriter::write(*document()), error);
}

void RichTextBox::printSelection(QPrinter &printer) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        document()->print(&printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(&printer);
}

namespace {
const QString kRtfMime = QStringLiteral("text/rtf");
const QString kRtfMimeAlias = QStringLiteral("application/rtf");
} // namespace

QMimeData *RichTextBox::selectionAsMimeData() const
{
    auto *mime = new QMimeData;
    const QByteArray rtf = selRtf();
    mime->setData(kRtfMime, rtf);
    mime->setData(kRtfMimeAlias, rtf);
    mime->setText(selText());
    return mime;
}

void RichTextBox::pasteMimeData(const QMimeData &mime)
{
    if (mime.hasFormat(kRtfMime))
        setSelRtf(mime.data(kRtfMime));
    else if (mime.hasFormat(kRtfMimeAlias))
        setSelRtf(mime.data(kRtfMimeAlias));
    else if (mime.hasText())
        setSelRtf(mime.text().toUtf8());
    ensureCursorVisible();
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    return selectionAsMimeData();
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasFormat(kRtfMime) || source->hasFormat(kRtfMimeAlias) || source->hasText();
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    pasteMimeData(*source);
}

int RichTextBox::displayedLineCount() const
{
    return pelmark::displayedLineCount(*document());
}

void RichTextBox::setRightMargin(int pixels)
{
    if (pixels <= 0)
        return;
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(pixels);
}

} // namespace pelmark::richtext
