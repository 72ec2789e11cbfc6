#include "rtf_reader.h"

#include "code_pages.h"
#include "plain_text.h"

#include <QColor>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelmark::richtext {
namespace {

// Bounds that keep hostile files from costing more than a moment or a little memory.
constexpr std::size_t kMaxDepth = 1000;
constexpr std::size_t kMaxControlWordLetters = 32;
constexpr std::size_t kMaxFonts = 16384;
constexpr qsizetype kMaxFontNameBytes = 256;
constexpr std::size_t kMaxColors = 16384;

enum class Destination {
    Text, // body text
    Skip, // read but dropped: pictures, headers, style sheets, unknown \* groups
    FontTable,
    ColorTable,
    Object, // dropped, but its \result is shown
};

struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int font = -1;
    int halfPoints = 24;
    int color = 0;
    bool operator==(const CharProps &) const = default;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharProps chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1; // \uc: fallback units after \u
};

struct FontEntry {
    QString name;
    QByteArray rawName;
    int codePage = 0;
    bool named = false;
};

struct ControlWord {
    std::string_view name;
    bool hasParameter = false;
    int parameter = 0;
    bool tooLong = false;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is never body text.
bool isSkippedDestination(std::string_view word)
{
    static constexpr std::string_view skipped[] = {
        "annotation",
        "atnauthor",
        "atnid",
        "author",
        "bkmkend",
        "bkmkstart",
        "colorschememapping",
        "comment",
        "datastore",
        "docvar",
        "fldinst",
        "filetbl",
        "footer",
        "footerf",
        "footerl",
        "footerr",
        "footnote",
        "ftnsep",
        "ftnsepc",
        "aftnsep",
        "generator",
        "header",
        "headerf",
        "headerl",
        "headerr",
        "info",
        "latentstyles",
        "listoverridetable",
        "listtable",
        "nonesttables",
        "nonshppict",
        "objdata",
        "pgdsctbl",
        "pict",
        "private",
        "revtbl",
        "rsidtbl",
        "sn",
        "sp",
        "stylesheet",
        "sv",
        "tc",
        "template",
        "themedata",
        "txe",
        "xe",
        "xmlnstbl",
        "mmathPr",
        "userprops",
    };
    return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

char16_t specialCharacter(std::string_view word)
{
    struct Special {
        std::string_view word;
        char16_t character;
    };
    static constexpr Special specials[] = {
        {"emdash", u'\u2014'},  {"endash", u'\u2013'},    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
        {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
        {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},       {"zwnj", u'\u200C'},
        {"ltrmark", u'\u200E'}, {"rtlmark", u'\u200F'},
    };
    for (const Special &s : specials) {
        if (s.word == word)
            return s.character;
    }
    return 0;
}

class Parser {
public:
    Parser(QByteArrayView input, QTextCursor &cursor, bool wholeDocument)
        : m_in(input.data(), std::size_t(input.size())), m_cursor(cursor), m_wholeDocument(wholeDocument)
    {
        m_stack.reserve(64);
        m_stack.push_back(GroupState{});
        m_targetBlockWasEmpty = cursor.block().length() <= 1;
    }

    void run()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos];
            switch (c) {
            case '{':
                openGroup();
                ++m_pos;
                break;
            case '}':
                ++m_pos;
                closeGroup();
                break;
            case '\\': readControl(); break;
            case '\r':
            case '\n': ++m_pos; break;
            default:
                ++m_pos;
                m_groupFresh = false;
                if (c == '\0' || consumeSkipUnit())
                    break;
                if (c == '\t')
                    textCharacter(u'\t');
                else
                    textByte(c);
            }
        }
        finish();
    }

private:
    GroupState &state() { return m_stack.back(); }

    // --- groups -----------------------------------------------------------------------------
    void openGroup()
    {
        flushBytes();
        m_skipUnits = 0;
        if (m_stack.size() >= kMaxDepth) {
            ++m_droppedGroups; // its closing brace is dropped with it
            return;
        }
        m_stack.push_back(m_stack.back());
        m_groupFresh = true;
    }

    void closeGroup()
    {
        flushBytes();
        m_skipUnits = 0;
        m_groupFresh = false;
        if (m_droppedGroups > 0) {
            --m_droppedGroups;
            return;
        }
        if (m_stack.size() <= 1)
            return; // a stray closing brace
        const Destination closing = state().destination;
        if (closing == Destination::FontTable)
            commitFontName();
        if (m_stack.size() == 2) {
            // The document ends with its root group, as in Word; its last paragraph keeps the
            // root's paragraph format.
            finish();
            m_pos = m_in.size();
        }
        m_stack.pop_back();
    }

    // --- control words and symbols ------------------------------------------------------------
    void readControl()
    {
        ++m_pos; // the backslash
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (isLetter(c)) {
            const ControlWord word = readWord();
            m_groupFresh = false;
            if (word.name == "bin")
                skipBinary(word); // binary data is one fallback unit, and never text
            else if (!consumeSkipUnit())
                handleWord(word);
            return;
        }
        ++m_pos;
        if (c == '\'') {
            readHexEscape();
            return;
        }
        const bool fresh = m_groupFresh;
        m_groupFresh = false;
        if (c == '*') {
            if (fresh)
                state().destination = Destination::Skip;
            return;
        }
        if (consumeSkipUnit())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}': textCharacter(char16_t(c)); break;
        case '~': textCharacter(u'\u00A0'); break;
        case '_': textCharacter(u'\u2011'); break;
        case '\r':
        case '\n': paragraph(); break;
        case '\t': textCharacter(u'\t'); break;
        default: break; // \- optional hyphen, \| \: and the rest
        }
    }

    ControlWord readWord()
    {
        ControlWord word;
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        word.name = m_in.substr(start, m_pos - start);
        word.tooLong = word.name.size() > kMaxControlWordLetters;

        bool negative = false;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            long long value = 0;
            while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
                value = std::min<long long>(value * 10 + (m_in[m_pos] - '0'), 1LL << 32);
                ++m_pos;
            }
            value = negative ? -value : value;
            word.hasParameter = true;
            word.parameter = int(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                       std::numeric_limits<int>::max()));
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the word
        return word;
    }

    void readHexEscape()
    {
        int value = 0;
        bool valid = true;
        for (int i = 0; i < 2; ++i) {
            if (m_pos >= m_in.size() || m_in[m_pos] == '{' || m_in[m_pos] == '}' || m_in[m_pos] == '\\') {
                valid = false;
                break;
            }
            const int digit = hexValue(m_in[m_pos++]);
            valid = valid && digit >= 0;
            value = value * 16 + std::max(digit, 0);
        }
        m_groupFresh = false;
        if (consumeSkipUnit() || !valid)
            return;
        textByte(char(value));
    }

    void handleWord(const ControlWord &word)
    {
        flushBytes(); // bytes before a font switch belong to the old font's code page
        if (word.tooLong)
            return;
        const std::string_view name = word.name;
        const int p = word.parameter;
        GroupState &s = state();
        CharProps &chars = s.chars;
        const bool on = !word.hasParameter || p != 0;

        if (name == "u") {
            unicodeCharacter(p);
            return;
        }
        if (name == "uc") {
            s.unicodeSkip = std::clamp(p, 0, 16); // real writers use 0..2; more only hides text
            return;
        }
        if (s.destination == Destination::FontTable) {
            fontTableWord(name, p);
            return;
        }
        if (s.destination == Destination::ColorTable) {
            colorTableWord(name, p);
            return;
        }
        if (name == "result" && s.destination == Destination::Object) {
            s.destination = Destination::Text;
            return;
        }
        if (s.destination != Destination::Text)
            return;

        if (name == "par" || name == "sect" || name == "page") {
            paragraph();
        } else if (name == "line") {
            textCharacter(u'\u2028');
        } else if (name == "tab") {
            textCharacter(u'\t');
        } else if (name == "cell" || name == "nestcell") {
            flushBytes();
            m_cellPending = true;
        } else if (name == "row" || name == "nestrow") {
            m_cellPending = false;
            paragraph();
        } else if (name == "pard") {
            s.alignment = Qt::AlignLeft;
        } else if (name == "plain") {
            chars = CharProps{.font = m_defaultFont};
        } else if (name == "b") {
            chars.bold = on;
        } else if (name == "i") {
            chars.italic = on;
        } else if (name == "ul" || name == "uld" || name == "uldb" || name == "ulw" || name == "uldash") {
            chars.underline = on;
        } else if (name == "ulnone") {
            chars.underline = false;
        } else if (name == "strike" || name == "striked") {
            chars.strike = on;
        } else if (name == "v") {
            chars.hidden = on;
        } else if (name == "f") {
            chars.font = p;
        } else if (name == "fs") {
            chars.halfPoints = word.hasParameter && p > 0 ? std::min(p, 3276) : 24;
        } else if (name == "cf") {
            chars.color = std::max(p, 0);
        } else if (name == "ql") {
            s.alignment = Qt::AlignLeft;
        } else if (name == "qc") {
            s.alignment = Qt::AlignHCenter;
        } else if (name == "qr") {
            s.alignment = Qt::AlignRight;
        } else if (name == "qj") {
            s.alignment = Qt::AlignJustify;
        } else if (name == "fonttbl") {
            s.destination = Destination::FontTable;
        } else if (name == "colortbl") {
            s.destination = Destination::ColorTable;
            m_colors.clear();
            m_colorPart = QColor(0, 0, 0);
            m_colorPartSet = false;
        } else if (name == "object") {
            s.destination = Destination::Object;
        } else if (name == "ansicpg") {
            if (p > 0)
                m_documentCodePage = p;
        } else if (name == "mac") {
            m_documentCodePage = 10000;
        } else if (name == "pc") {
            m_documentCodePage = 437;
        } else if (name == "pca") {
            m_documentCodePage = 850;
        } else if (name == "deff") {
            m_defaultFont = p;
            chars.font = p;
        } else if (isSkippedDestination(name)) {
            s.destination = Destination::Skip;
        } else if (const char16_t special = specialCharacter(name)) {
            textCharacter(special);
        }
    }

    void skipBinary(const ControlWord &word)
    {
        flushBytes();
        consumeSkipUnit();
        const std::size_t remaining = m_in.size() - m_pos;
        const std::size_t length = word.hasParameter && word.parameter > 0 ? std::size_t(word.parameter) : 0;
        // Data said to run past the end of the file is malformed: taking it all would lose every
        // word that follows, so only the rest of its group is skipped.
        m_pos = length <= remaining ? m_pos + length : endOfGroup(m_pos);
    }

    // Where the group open at `from` closes: its '}', or the end of the input.
    std::size_t endOfGroup(std::size_t from) const
    {
        int depth = 0;
        for (std::size_t i = from; i < m_in.size(); ++i) {
            const char c = m_in[i];
            if (c == '\\')
                ++i;
            else if (c == '{')
                ++depth;
            else if (c == '}' && depth-- == 0)
                return i;
        }
        return m_in.size();
    }

    // A fallback unit after \u is dropped; returns whether this unit was one.
    bool consumeSkipUnit()
    {
        if (m_skipUnits == 0)
            return false;
        --m_skipUnits;
        return true;
    }

    // --- font and colour tables -----------------------------------------------------------------
    FontEntry &font(int index)
    {
        if (index < 0 || std::size_t(index) >= kMaxFonts)
            index = 0;
        if (std::size_t(index) >= m_fonts.size())
            m_fonts.resize(std::size_t(index) + 1);
        return m_fonts[std::size_t(index)];
    }

    void fontTableWord(std::string_view name, int p)
    {
        if (name == "f") {
            commitFontName();
            m_fontEntry = p;
        } else if (name == "fcharset") {
            if (const int page = codePageForCharset(p))
                font(m_fontEntry).codePage = page;
        } else if (name == "cpg") {
            if (p > 0)
                font(m_fontEntry).codePage = p;
        }
    }

    void fontNameByte(char c)
    {
        FontEntry &entry = font(m_fontEntry);
        if (c == ';') {
            commitFontName();
        } else if (!entry.named && entry.rawName.size() < kMaxFontNameBytes) {
            entry.rawName += c;
        }
    }

    void commitFontName()
    {
        if (m_fontEntry < 0)
            return;
        FontEntry &entry = font(m_fontEntry);
        if (entry.named || entry.rawName.isEmpty())
            return;
        QString name;
        m_decoder.decode(entry.codePage ? entry.codePage : m_documentCodePage, entry.rawName, name);
        entry.name = name.trimmed();
        entry.named = true;
    }

    void colorTableWord(std::string_view name, int p)
    {
        const int value = std::clamp(p, 0, 255);
        if (name == "red")
            m_colorPart.setRed(value), m_colorPartSet = true;
        else if (name == "green")
            m_colorPart.setGreen(value), m_colorPartSet = true;
        else if (name == "blue")
            m_colorPart.setBlue(value), m_colorPartSet = true;
    }

    void colorTableByte(char c)
    {
        if (c != ';' || m_colors.size() >= kMaxColors)
            return;
        m_colors.push_back(m_colorPartSet ? m_colorPart : QColor());
        m_colorPart = QColor(0, 0, 0);
        m_colorPartSet = false;
    }

    // --- text -------------------------------------------------------------------------------
    void textByte(char c)
    {
        switch (state().destination) {
        case Destination::FontTable: fontNameByte(c); return;
        case Destination::ColorTable: colorTableByte(c); return;
        case Destination::Text: break;
        default: return;
        }
        if (state().chars.hidden)
            return;
        if (static_cast<unsigned char>(c) < 0x80 && m_bytes.isEmpty()) {
            put(char16_t(c));
            return;
        }
        m_bytes += c;
    }

    void textCharacter(char16_t c)
    {
        flushBytes();
        if (state().destination == Destination::Text && !state().chars.hidden)
            put(c);
    }

    void unicodeCharacter(int value)
    {
        flushBytes();
        m_skipUnits = std::size_t(state().unicodeSkip);
        if (state().destination != Destination::Text || state().chars.hidden)
            return;
        if (value < -32768 || value > 65535) {
            put(u'\uFFFD');
            return;
        }
        const char16_t unit = char16_t(value < 0 ? value + 65536 : value);
        if (QChar::isHighSurrogate(unit)) {
            flushSurrogate();
            m_pendingHigh = unit;
        } else if (QChar::isLowSurrogate(unit)) {
            if (m_pendingHigh) {
                appendToRun(m_pendingHigh);
                appendToRun(unit);
                m_pendingHigh = 0;
            } else {
                put(u'\uFFFD');
            }
        } else {
            put(unit);
        }
    }

    // Decodes the bytes gathered from \'hh escapes and 8-bit text in one go, so that the two
    // bytes of a double-byte character stay together.
    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        // The bytes share one format: they are decoded straight onto the run's text.
        beforeText();
        startRunIfNeeded();
        m_decoder.decode(currentCodePage(), m_bytes, m_text);
        m_bytes.resize(0); // keeps the buffer for the next run of bytes
    }

    int currentCodePage()
    {
        const int index = state().chars.font;
        if (index >= 0 && std::size_t(index) < m_fonts.size() && m_fonts[std::size_t(index)].codePage)
            return m_fonts[std::size_t(index)].codePage;
        return m_documentCodePage;
    }

    void flushSurrogate()
    {
        if (m_pendingHigh) {
            m_pendingHigh = 0;
            appendToRun(u'\uFFFD');
        }
    }

    // What comes before any text: a surrogate left alone and the tab of a finished cell.
    void beforeText()
    {
        flushSurrogate();
        if (m_cellPending) {
            m_cellPending = false;
            appendToRun(u'\t');
        }
    }

    void put(char16_t c)
    {
        beforeText();
        appendToRun(c);
    }

    // A paragraph's text is gathered and goes into the document when the paragraph ends, in one
    // insertion per run: the same calls a direct build of the document would make.
    void appendToRun(char16_t c)
    {
        startRunIfNeeded();
        m_text += QChar(c);
    }
    void startRunIfNeeded()
    {
        if (m_runs.size() == m_paragraphFirstRun || !(m_props[m_runs.back().props] == state().chars))
            m_runs.push_back({std::uint32_t(m_text.size()), propsIndex(state().chars)});
    }
    // Documents use a handful of formats over and over: each distinct one is kept once, and runs
    // refer to it by number.
    std::uint32_t propsIndex(const CharProps &props)
    {
        if (!m_props.empty() && m_props[m_lastProps] == props)
            return m_lastProps;
        const std::uint64_t key =
            std::uint64_t(std::uint16_t(props.font)) | std::uint64_t(props.halfPoints) << 16 |
            std::uint64_t(std::uint16_t(props.color)) << 28 | std::uint64_t(props.bold) << 44 |
            std::uint64_t(props.italic) << 45 | std::uint64_t(props.underline) << 46 |
            std::uint64_t(props.strike) << 47 | std::uint64_t(props.hidden) << 48;
        const auto [it, added] = m_propsIndex.try_emplace(key, std::uint32_t(m_props.size()));
        if (added)
            m_props.push_back(props);
        m_lastProps = it->second;
        return m_lastProps;
    }

    QTextCharFormat makeFormat(const CharProps &props) const
    {
        QTextCharFormat format;
        if (props.font >= 0 && std::size_t(props.font) < m_fonts.size()) {
            const FontEntry &entry = m_fonts[std::size_t(props.font)];
            if (!entry.name.isEmpty())
                format.setFontFamilies({entry.name});
        }
        format.setFontPointSize(props.halfPoints / 2.0);
        format.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(props.italic);
        format.setFontUnderline(props.underline);
        format.setFontStrikeOut(props.strike);
        if (props.color > 0 && std::size_t(props.color) < m_colors.size() &&
            m_colors[std::size_t(props.color)].isValid())
            format.setForeground(m_colors[std::size_t(props.color)]);
        return format;
    }

    const QTextBlockFormat &blockFormat(Qt::Alignment alignment)
    {
        const int index = alignment == Qt::AlignHCenter   ? 1
                          : alignment == Qt::AlignRight   ? 2
                          : alignment == Qt::AlignJustify ? 3
                                                          : 0;
        if (!m_blockFormatsMade) {
            const Qt::Alignment kinds[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
            for (int i = 0; i < 4; ++i)
                m_blockFormats[i].setAlignment(kinds[i]);
            m_blockFormatsMade = true;
        }
        return m_blockFormats[index];
    }

    void endParagraph(bool last)
    {
        flushBytes();
        flushSurrogate();
        m_cellPending = false;
        // An unfinished last paragraph of pasted markup does not re-align the paragraph it lands
        // in; a whole document, a finished paragraph or an empty target take its alignment.
        const bool aligns = !m_paragraphEnds.empty() || !last || m_wholeDocument || m_targetBlockWasEmpty;
        m_paragraphEnds.push_back({std::uint32_t(m_runs.size()), std::uint32_t(m_text.size()),
                                   state().alignment, propsIndex(state().chars), aligns});
        m_paragraphFirstRun = m_runs.size();
    }

    // The document is built once the whole file is read, in one insertion per run and one block
    // per paragraph: the same calls a direct build of the document makes, in one tight loop.
    void insertParagraphs()
    {
        std::vector<QTextCharFormat> formats;
        formats.reserve(m_props.size());
        for (const CharProps &props : m_props)
            formats.push_back(makeFormat(props));
        std::size_t run = 0;
        for (std::size_t p = 0; p < m_paragraphEnds.size(); ++p) {
            const ParagraphEnd &end = m_paragraphEnds[p];
            if (p > 0) {
                m_cursor.insertBlock(blockFormat(end.alignment), formats[end.blockChars]);
            } else if (end.aligns) {
                QTextBlockFormat format = m_cursor.blockFormat();
                if (format.alignment() != end.alignment) {
                    format.setAlignment(end.alignment);
                    m_cursor.setBlockFormat(format);
                }
            }
            for (; run < end.runEnd; ++run) {
                const qsizetype from = m_runs[run].start;
                const qsizetype to = run + 1 < end.runEnd ? m_runs[run + 1].start : end.textEnd;
                // The document copies the text; a view of the buffer spares an allocation.
                m_cursor.insertText(QString::fromRawData(m_text.constData() + from, to - from),
                                    formats[m_runs[run].props]);
            }
        }
    }

    void paragraph() { endParagraph(false); }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        endParagraph(true);
        insertParagraphs();
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    QTextCursor &m_cursor;
    const bool m_wholeDocument;
    bool m_targetBlockWasEmpty = false;
    bool m_finished = false;

    std::vector<GroupState> m_stack;
    std::size_t m_droppedGroups = 0;
    bool m_groupFresh = false;
    std::size_t m_skipUnits = 0;
    char16_t m_pendingHigh = 0;
    bool m_cellPending = false;

    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    std::vector<FontEntry> m_fonts;
    int m_fontEntry = -1;
    std::vector<QColor> m_colors;
    QColor m_colorPart{0, 0, 0};
    bool m_colorPartSet = false;

    CodePageDecoder m_decoder;
    QByteArray m_bytes;
    struct RunStart {
        std::uint32_t start; // in m_text
        std::uint32_t props; // in m_props
    };
    struct ParagraphEnd {
        std::uint32_t runEnd;
        std::uint32_t textEnd;
        Qt::Alignment alignment;
        std::uint32_t blockChars; // in m_props
        bool aligns;
    };
    QString m_text;               // all the text read, paragraph after paragraph
    std::vector<RunStart> m_runs; // where each run of one format starts in m_text
    std::size_t m_paragraphFirstRun = 0;
    std::vector<ParagraphEnd> m_paragraphEnds;
    QTextBlockFormat m_blockFormats[4];
    bool m_blockFormatsMade = false;
    std::vector<CharProps> m_props;
    std::unordered_map<std::uint64_t, std::uint32_t> m_propsIndex;
    std::uint32_t m_lastProps = 0;
};

} // namespace

bool looksLikeRtf(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

void RtfReader::load(QByteArrayView rtf, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    // Cleared inside the edit block, the load reaches the layout as one whole-document change,
    // which it lays out lazily, a screen at a time, instead of all at once.
    QTextCursor editBlock(&document);
    editBlock.beginEditBlock();
    document.clear();
    QTextCursor cursor(&document);
    Parser(rtf, cursor, true).run();
    editBlock.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

void RtfReader::insert(QByteArrayView rtf, QTextCursor &cursor)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    Parser(rtf, cursor, false).run();
    cursor.endEditBlock();
}

QString RtfReader::plainText(QByteArrayView rtf)
{
    QTextDocument document;
    load(rtf, document);
    return crLfText(document);
}

} // namespace pelmark::richtext
