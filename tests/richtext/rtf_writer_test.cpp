// What Pelmark writes: RTF that old readers (code page bytes) and new ones (\uN) read alike, the
// same bytes every time, and that reads back as the same document.
#include "plain_text.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using pelmark::richtext::RtfReader;
using pelmark::richtext::RtfWriter;

namespace {

QTextCharFormat format(bool bold, bool italic, bool underline, bool strike, const QString &family, int points,
                       QColor color = {})
{
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    f.setFontStrikeOut(strike);
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    if (color.isValid())
        f.setForeground(color);
    return f;
}

TEST(RtfWriter, WritesCyrillicForOldAndNewReaders)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Courier New"), 12));
    QTextCursor(&document).insertText(QString::fromUtf8("Я№€ü{\\}\t😀"));
    const QByteArray rtf = RtfWriter::write(document);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
    EXPECT_NE(rtf.indexOf("{\\f0\\fnil\\fcharset204 Courier New;}"), -1);
    // Я and № have Windows-1251 bytes; ü has none; the emoji is a surrogate pair.
    EXPECT_NE(rtf.indexOf("\\u1071\\'df\\u8470\\'b9\\u8364\\'88\\u252?\\{\\\\\\}\\tab \\u-10179?\\u-8704?"),
              -1)
        << rtf.toStdString();
    EXPECT_EQ(RtfReader::plainText(rtf), QString::fromUtf8("Я№€ü{\\}\t😀"));
    // An old reader that knows no \u sees the code page bytes.
    const QByteArray old = QString::fromLatin1(rtf).remove(QRegularExpression(R"(\\u-?[0-9]+)")).toLatin1();
    EXPECT_EQ(RtfReader::plainText(old), QString::fromUtf8("Я№€?{\\}\t??"));
}

TEST(RtfWriter, SameDocumentSameBytes)
{
    auto build = [] {
        auto document = std::make_unique<QTextDocument>();
        QTextCursor cursor(document.get());
        cursor.insertText(QStringLiteral("a"), format(true, false, false, false, "Arial", 10, Qt::red));
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("b"),
                          format(false, true, false, false, "Courier New", 14, Qt::blue));
        return document;
    };
    EXPECT_EQ(RtfWriter::write(*build()), RtfWriter::write(*build()));
}

TEST(RtfWriter, WritesOnlyTheSelectedPart)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("first "));
    cursor.insertText(QStringLiteral("bold"), format(true, false, false, false, "Arial", 12));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second line"));
    const QByteArray part = RtfWriter::write(document, 3, 14);
    EXPECT_EQ(RtfReader::plainText(part), QStringLiteral("st bold\r\nsec"));
    QTextDocument back;
    RtfReader::load(part, back);
    EXPECT_EQ(back.find(QStringLiteral("bold")).charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(RtfReader::plainText(RtfWriter::write(document, 5, 5)), QString());
}

// One run of a document as the round trip compares it.
struct Run {
    QString text;
    bool bold, italic, underline, strike;
    QString family;
    int points;
    QRgb color;
    bool operator==(const Run &) const = default;
    bool sameFormat(const Run &o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               family == o.family && points == o.points && color == o.color;
    }
};

std::vector<std::vector<Run>> runsOf(const QTextDocument &document, std::vector<Qt::Alignment> &alignments)
{
    std::vector<std::vector<Run>> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        alignments.push_back(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        std::vector<Run> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            Run run{it.fragment().text(),
                    f.fontWeight() >= QFont::Bold,
                    f.fontItalic(),
                    f.fontUnderline(),
                    f.fontStrikeOut(),
                    f.fontFamilies().toStringList().value(0),
                    int(f.fontPointSize()),
                    f.foreground().style() == Qt::NoBrush ? 0 : f.foreground().color().rgb()};
            // Neighbouring fragments of one format are one run, however Qt splits them.
            if (!runs.empty() && runs.back().sameFormat(run))
                runs.back().text += run.text;
            else
                runs.push_back(run);
        }
        blocks.push_back(runs);
    }
    return blocks;
}

TEST(RtfWriter, RandomDocumentsSurviveTheRoundTrip)
{
    const QString alphabet =
        QString::fromUtf8("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВЯЁabcxyzXYZ0123456789 \t.,;!?{}\\№«»—");
    const QStringList families = {"Courier New", "Arial", "Times New Roman"};
    const QColor colors[] = {QColor(), Qt::red, QColor(0, 128, 0), QColor(12, 34, 56)};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    QRandomGenerator random(20261209);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        QTextDocument document;
        QTextCursor cursor(&document);
        const int blocks = 1 + random.bounded(5);
        for (int b = 0; b < blocks; ++b) {
            if (b > 0)
                cursor.insertBlock();
            QTextBlockFormat blockFormat;
            blockFormat.setAlignment(alignments[random.bounded(4)]);
            cursor.setBlockFormat(blockFormat);
            for (int r = random.bounded(4); r > 0; --r) {
                QString text;
                for (int n = 1 + random.bounded(8); n > 0; --n)
                    text += alphabet[random.bounded(int(alphabet.size()))];
                cursor.insertText(text, format(random.bounded(2), random.bounded(2), random.bounded(2),
                                               random.bounded(2), families[random.bounded(3)],
                                               8 + random.bounded(20), colors[random.bounded(4)]));
            }
        }
        QTextDocument back;
        RtfReader::load(RtfWriter::write(document), back);
        std::vector<Qt::Alignment> wrote, read;
        const auto expected = runsOf(document, wrote);
        const auto actual = runsOf(back, read);
        EXPECT_EQ(pelmark::richtext::crLfText(back), pelmark::richtext::crLfText(document));
        EXPECT_TRUE(expected == actual);
        EXPECT_EQ(read, wrote);
    }
}

} // namespace
