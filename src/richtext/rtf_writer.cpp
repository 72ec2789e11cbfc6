#include "rtf_writer.h"

#include <QColor>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <vector>

namespace pelmark::richtext {
namespace {

// Windows-1251 fallbacks for the BMP, built once: 0 where the page has no byte.
const std::array<unsigned char, 0x10000> &windows1251Bytes()
{
    static const auto table = [] {
        auto bytes = std::make_unique<std::array<unsigned char, 0x10000>>();
        bytes->fill(0);
        QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
        for (int byte = 0x80; byte < 0x100; ++byte) {
            const char c = char(byte);
            const QString decoded = decoder.decode(QByteArrayView(&c, 1));
            if (decoded.size() == 1 && decoded.front() != QChar::ReplacementCharacter)
                (*bytes)[decoded.front().unicode()] = static_cast<unsigned char>(byte);
        }
        return bytes;
    }();
    return *table;
}

void appendUnicodeWord(int value, QByteArray &out)
{
    char buffer[16] = {'\\', 'u'};
    const auto end = std::to_chars(buffer + 2, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end - buffer);
}

class Writer {
public:
    explicit Writer(const QTextDocument &document) : m_document(document) {}

    QByteArray write(int start, int end)
    {
        QByteArray body;
        body.reserve(qsizetype(end - start) * 8 + 64);
        bool firstBlock = true;
        for (QTextBlock block = m_document.findBlock(start); block.isValid() && block.position() <= end;
             block = block.next()) {
            if (!firstBlock)
                body += "\\par\n";
            firstBlock = false;
            writeParagraphFormat(block, body);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const int position = fragment.position();
                const int from = std::max(position, start);
                const int to = std::min(position + fragment.length(), end);
                if (from < to)
                    writeRun(fragment.text().mid(from - position, to - from), fragment, body);
            }
        }

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset204 ";
            writeText(m_fonts[i], out);
            out += ";}";
        }
        out += "}\n{\\colortbl ;";
        for (const QColor &color : m_colors) {
            out += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) +
                   "\\blue" + QByteArray::number(color.blue()) + ';';
        }
        out += "}\n";
        out += body;
        out += "}\n";
        return out;
    }

private:
    void writeParagraphFormat(const QTextBlock &block, QByteArray &out)
    {
        out += "\\pard";
        const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            out += "\\qc";
        else if (alignment & Qt::AlignRight)
            out += "\\qr";
        else if (alignment & Qt::AlignJustify)
            out += "\\qj";
        out += ' ';
    }

    int fontIndex(const QString &family)
    {
        const qsizetype found = m_fonts.indexOf(family);
        if (found >= 0)
            return int(found);
        m_fonts.append(family);
        return int(m_fonts.size() - 1);
    }

    int colorIndex(const QTextCharFormat &format)
    {
        if (!format.hasProperty(QTextFormat::ForegroundBrush) || format.foreground().style() == Qt::NoBrush)
            return 0;
        const QColor color = format.foreground().color();
        for (std::size_t i = 0; i < m_colors.size(); ++i) {
            if (m_colors[i].rgb() == color.rgb())
                return int(i) + 1;
        }
        m_colors.push_back(color);
        return int(m_colors.size());
    }

    void writeRun(const QString &text, const QTextFragment &fragment, QByteArray &out)
    {
        out += runHeader(fragment.charFormatIndex(), fragment.charFormat());
        writeText(text, out);
        out += '}';
    }

    // The control words that open a run of one format, made once per format of the document.
    const QByteArray &runHeader(int formatIndex, const QTextCharFormat &format)
    {
        auto found = m_headers.find(formatIndex);
        if (found != m_headers.end())
            return found->second;
        const QFont font = format.font().resolve(m_document.defaultFont());
        const int halfPoints = int(std::lround(font.pointSizeF() > 0 ? font.pointSizeF() * 2 : 24));
        QByteArray header =
            "{\\f" + QByteArray::number(fontIndex(font.family())) + "\\fs" + QByteArray::number(halfPoints);
        if (font.bold())
            header += "\\b";
        if (font.italic())
            header += "\\i";
        if (font.underline())
            header += "\\ul";
        if (font.strikeOut())
            header += "\\strike";
        if (const int color = colorIndex(format))
            header += "\\cf" + QByteArray::number(color);
        header += ' ';
        return m_headers.emplace(formatIndex, std::move(header)).first->second;
    }

    static void writeText(const QString &text, QByteArray &out)
    {
        const auto &fallbacks = windows1251Bytes();
        for (QChar qc : text) {
            const char16_t c = qc.unicode();
            if (c == '\\' || c == '{' || c == '}') {
                out += '\\';
                out += char(c);
            } else if (c == '\t') {
                out += "\\tab ";
            } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == '\n') {
                out += "\\line ";
            } else if (c == QChar::Nbsp) {
                out += "\\~";
            } else if (c >= 0x20 && c < 0x80) {
                out += char(c);
            } else if (c >= 0x80 && c != QChar::ObjectReplacementCharacter) {
                appendUnicodeWord(static_cast<short>(c), out);
                const unsigned char fallback = fallbacks[c];
                if (fallback) {
                    static constexpr char hex[] = "0123456789abcdef";
                    out += "\\'";
                    out += hex[fallback >> 4];
                    out += hex[fallback & 15];
                } else {
                    out += '?';
                }
            }
            // other control characters and object placeholders carry no text
        }
    }

    const QTextDocument &m_document;
    QStringList m_fonts;
    std::unordered_map<int, QByteArray> m_headers;
    std::vector<QColor> m_colors;
};

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return write(document, 0, document.characterCount() - 1);
}

QByteArray RtfWriter::write(const QTextDocument &document, int start, int end)
{
    start = std::clamp(start, 0, std::max(document.characterCount() - 1, 0));
    end = std::clamp(end, start, std::max(document.characterCount() - 1, 0));
    return Writer(document).write(start, end);
}

} // namespace pelmark::richtext
