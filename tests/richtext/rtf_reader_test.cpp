// The RTF reader on the constructs real writers use, and on the ways files get broken.
#include "rtf_reader.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using pelmark::richtext::RtfReader;

namespace {

struct TextCase {
    const char *what;
    QByteArray rtf;
    QString text;
};

TEST(RtfReader, ReadsTheTextOfEveryConstruct)
{
    const TextCase cases[] = {
        {"paragraphs and line breaks", R"({\rtf1 a\par b\line c})", "a\r\nb\r\nc"},
        {"tab, symbols and escapes", R"({\rtf1 a\tab b\{\}\\\~c\-d\_e})",
         QString::fromUtf8("a\tb{}\\\u00A0cd\u2011e")},
        {"one space is the delimiter", R"({\rtf1\b  two})", " two"},
        {"a question mark after a word is text", R"({\rtf1\par? x})", "\r\n? x"},
        {"letters straight after a parameter are text", R"({\rtf1\fs20abc})", "abc"},
        {"backslash at a line end is a paragraph", "{\\rtf1 a\\\nb}", "a\r\nb"},
        {"special characters", R"({\rtf1\lquote x\rquote\endash\emdash\bullet})",
         QString::fromUtf8("\u2018x\u2019\u2013\u2014\u2022")},
        {"ansicpg 1251", R"({\rtf1\ansi\ansicpg1251 \'cc\'e8\'f0})", QString::fromUtf8("Мир")},
        {"font charset beats ansicpg",
         R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset204 B;}}\f1\'cc\f0\'cc})",
         QString::fromUtf8("МÌ")},
        {"font switched back in the same group",
         R"({\rtf1\ansicpg1252{\fonttbl{\f1\fcharset204 B;}}{\f1\'c0}\'c0})", QString::fromUtf8("АÀ")},
        {"central european", R"({\rtf1\ansicpg1250 \'9a\'e8})", QString::fromUtf8("šč")},
        {"double-byte pairs decode together", R"({\rtf1\ansicpg936 \'d6\'d0\'ce\'c4})",
         QString::fromUtf8("中文")},
        {"unknown code page falls back to 1252", R"({\rtf1\ansicpg0 \'e9})", QString::fromUtf8("é")},
        {"upper-case hex", R"({\rtf1\ansicpg1251 \'C7})", QString::fromUtf8("З")},
        {"invalid hex escape is dropped", R"({\rtf1 x\u345\'3?x})", QString::fromUtf8("xřx")},
        {"u with its fallback skipped", R"({\rtf1\u1052?\u1080 ?})", QString::fromUtf8("Ми")},
        {"negative u", R"({\rtf1\u-3913?})", QString(QChar(0xF0B7))},
        {"uc2 skips two units, hex counts one", R"({\rtf1{\uc2\u228\'E8a}b})", QString::fromUtf8("äb")},
        {"uc0 skips nothing", R"({\rtf1\uc0\u8804 x})", QString::fromUtf8("≤x")},
        {"uc is restored when its group ends", R"({\rtf1{\uc0 \u1052}\u1052?x})", QString::fromUtf8("ММx")},
        {"a brace ends the skip", R"({\rtf1\uc3\u1052{x}y})", QString::fromUtf8("Мxy")},
        {"a control word is one fallback unit", R"({\rtf1\u1052\par x})", QString::fromUtf8("Мx")},
        {"surrogate pair joined across a fallback", R"({\rtf1\u55357\'20\u56542 ?})", QString::fromUtf8("📞")},
        {"negative surrogate pair", R"({\rtf1\u-10240?\u-8398?})", QString::fromUtf8("𐌲")},
        {"lone surrogates become replacement characters", R"({\rtf1\uc0\u-10240 x\u-8398 y})",
         QString::fromUtf8("\uFFFDx\uFFFDy")},
        {"huge uc is bounded", R"({\rtf1\uc99999999\u1052 abcdefghijklmnopqrstuvwxyz})",
         QString::fromUtf8("Мqrstuvwxyz")},
        {"out-of-range u", R"({\rtf1\u99999?})", QString(QChar(0xFFFD))},
        {"skipped destinations",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s1 Heading;}}{\info{\title T}}{\header H}{\footer F}{\*\generator G;}x})",
         "x"},
        {"unknown star destination", R"({\rtf1{\*\unknown secret}shown})", "shown"},
        {"a star in mid-group does not hide it", R"({\rtf1{\b x\*\cs7 y}})", "xy"},
        {"field result, not instruction", R"({\rtf1{\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}} after})",
         "link after"},
        {"nested fields",
         R"({\rtf1 Before {\field{\*\fldinst A}{\fldrslt {\field{\*\fldinst B}{\fldrslt 42}}}} after.})",
         "Before 42 after."},
        {"picture skipped, binary with braces", "{\\rtf1{\\pict\\pngblip\\bin4 }{\\\\}x}", "x"},
        {"bin runs straight into its data", "{\\rtf1{\\pict\\bin3\x89}{}x}", "x"},
        {"bin without a number", R"({\rtf1{\pict\bin ffd8}x})", "x"},
        {"bin longer than the file", "{\\rtf1 a{\\pict\\bin999999 xyz", "a"},
        {"bin past the end skips only its group", "{\\rtf1 a{\\pict\\bin999999 x{y}\\}z} after}", "a after"},
        {"object shows its result", R"({\rtf1{\object{\*\objclass P}{\objdata 0102}{\result R}}})", "R"},
        {"hidden text dropped", R"({\rtf1 a{\v secret}b})", "ab"},
        {"table cells and rows", R"({\rtf1\trowd\cellx1\cellx2 a\cell b\cell\row c\cell d\cell\row})",
         "a\tb\r\nc\td\r\n"},
        {"nesting-aware tables", R"({\rtf1 x{\nonesttables FALLBACK}y})", "xy"},
        {"truncated file keeps its text", R"({\rtf1{\b bold {\i and italic)", "bold and italic"},
        {"stray closing brace ends the document", R"({\rtf1 a}} b)", "a"},
        {"NUL bytes are ignored", QByteArray("{\\rtf1 a\0b}", 11), "ab"},
        {"control word of over 32 letters is unknown", "{\\rtf1 a\\" + QByteArray(40, 'x') + " b}", "ab"},
        {"huge parameters are clamped", R"({\rtf1\fs99999999999999999999 a\f-99999999999999 b})", "ab"},
        {"long font name is bounded", "{\\rtf1{\\fonttbl{\\f0" + QByteArray(10000, 'A') + ";}}\\f0 hello}",
         "hello"},
        {"font table without entry groups",
         R"({\rtf1{\fonttbl\f0\fnil Courier;\f1\fcharset204 Arial;}\f1\'c0})", QString::fromUtf8("А")},
        {"empty input", "", ""},
        {"not RTF at all", "plain words", "plain words"},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RtfReader::plainText(c.rtf).toStdString(), c.text.toStdString());
    }
}

TEST(RtfReader, NestingDeeperThanTheLimitNeitherRecursesNorLosesBalance)
{
    const int depth = 200000;
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " b}";
    EXPECT_EQ(RtfReader::plainText(rtf), QStringLiteral("adeep b"));
    // Unbalanced the other way: far more closing than opening braces.
    EXPECT_EQ(RtfReader::plainText("{\\rtf1 a" + QByteArray(depth, '}')), QStringLiteral("a"));
}

TEST(RtfReader, ReadsCharacterAndParagraphFormats)
{
    const QByteArray rtf =
        R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}}
{\colortbl ;\red255\green0\blue0;}
\pard\qc\f0\fs24 plain {\b bold} {\i italic} {\ul under\ulnone line} {\strike struck}\par
\pard\qr {\f1\fs40\cf1 big red}\par
\pard\qj justified\par
\pard left{\b0 x}\plain y})";
    QTextDocument document;
    RtfReader::load(rtf, document);
    ASSERT_EQ(document.blockCount(), 4);
    QTextBlock block = document.begin();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    auto formatAt = [&](const QString &word) {
        QTextCursor cursor = document.find(word);
        EXPECT_FALSE(cursor.isNull()) << word.toStdString();
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt("bold").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt("plain").fontWeight(), QFont::Normal);
    EXPECT_TRUE(formatAt("italic").fontItalic());
    EXPECT_TRUE(formatAt("under").fontUnderline());
    EXPECT_FALSE(formatAt("line").fontUnderline());
    EXPECT_TRUE(formatAt("struck").fontStrikeOut());
    EXPECT_EQ(formatAt("plain").fontFamilies().toStringList(), QStringList{"Arial"});
    const QTextCharFormat big = formatAt("big");
    EXPECT_EQ(big.fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(big.fontPointSize(), 20.0);
    EXPECT_EQ(big.foreground().color(), QColor(255, 0, 0));

    block = block.next();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    block = block.next();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    block = block.next();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfReader, InsertsAtTheCursorReplacingTheSelection)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("one two three"));
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    RtfReader::insert(R"({\rtf1\pard\qc {\b 2}})", cursor);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("one 2 three"));
    EXPECT_EQ(document.find(QStringLiteral("2")).charFormat().fontWeight(), QFont::Bold);
    // A paragraph-less fragment does not re-align the paragraph it lands in.
    EXPECT_EQ(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

} // namespace
