// The rich-text box as the document windows use it.
#include "rich_text_box.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QTemporaryDir>
#include <QTextBlock>
#include <unistd.h>

using pelmark::richtext::RichTextBox;

namespace {

void select(RichTextBox &box, int start, int length)
{
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(RichTextBox, StartsEmptyInCourierNew12)
{
    RichTextBox box;
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(box.document()->defaultFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(box.document()->defaultFont().pointSize(), 12);
    EXPECT_EQ(box.displayedLineCount(), 1);
}

TEST(RichTextBox, TextJoinsParagraphsWithCrLf)
{
    RichTextBox box;
    box.setText(QStringLiteral("AB\r\nC"));
    EXPECT_EQ(box.text(), QStringLiteral("AB\r\nC"));
    EXPECT_EQ(box.document()->blockCount(), 2);
    EXPECT_EQ(box.displayedLineCount(), 2);
    select(box, 1, 3);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 3);
    EXPECT_EQ(box.selText(), QStringLiteral("B\r\nC"));
    box.setSelText(QStringLiteral("x"));
    EXPECT_EQ(box.text(), QStringLiteral("Ax"));
    box.setSelStart(99);
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 0);
}

TEST(RichTextBox, WrappedLinesCountOncePerDisplayedLine)
{
    RichTextBox box;
    box.resize(600, 300);
    box.show();
    box.setRightMargin(120);
    box.setText(QString(60, QLatin1Char('x')));
    EXPECT_GT(box.displayedLineCount(), 2);
    box.setRightMargin(-5); // ignored, as a too small window gives
    EXPECT_GT(box.displayedLineCount(), 2);
}

struct FindCase {
    const char *what;
    QString text;
    int selectionStart, selectionLength;
    QString word;
    std::optional<int> start, end;
    int found; // -1: nothing, selection unchanged
};

TEST(RichTextBox, FindIgnoresCaseSearchesInsideWordsAndNeverWraps)
{
    const FindCase cases[] = {
        {"Cyrillic without regard to case",
         QString::fromUtf8("МИРНЫЙ"),
         0,
         0,
         QString::fromUtf8("мир"),
         {},
         {},
         0},
        {"inside a word", QStringLiteral("abcdef"), 0, 0, QStringLiteral("CD"), {}, {}, 2},
        {"first match", QStringLiteral("abab"), 0, 0, QStringLiteral("ab"), {}, {}, 0},
        {"within the selection only", QStringLiteral("ab xx ab"), 3, 5, QStringLiteral("ab"), {}, {}, 6},
        {"not outside the selection", QStringLiteral("ab xx"), 2, 3, QStringLiteral("ab"), {}, {}, -1},
        {"from the caret to the end", QStringLiteral("abab"), 1, 0, QStringLiteral("ab"), {}, 4, 2},
        {"no wrap around", QStringLiteral("abab"), 3, 0, QStringLiteral("ab"), {}, 4, -1},
        {"end beyond the text is clamped", QStringLiteral("ab"), 0, 0, QStringLiteral("b"), {}, 99, 1},
        {"empty word does nothing", QStringLiteral("ab"), 0, 0, QString(), {}, {}, -1},
        {"across a paragraph break", QStringLiteral("a\r\nb"), 0, 0, QStringLiteral("b"), {}, {}, 2},
    };
    for (const FindCase &c : cases) {
        SCOPED_TRACE(c.what);
        RichTextBox box;
        box.setText(c.text);
        select(box, c.selectionStart, c.selectionLength);
        EXPECT_EQ(box.findWord(c.word, c.start, c.end), c.found);
        if (c.found >= 0) {
            EXPECT_EQ(box.selStart(), c.found);
            EXPECT_EQ(box.selLength(), c.word.size());
        } else {
            EXPECT_EQ(box.selStart(), c.selectionStart);
            EXPECT_EQ(box.selLength(), c.selectionLength);
        }
    }
}

TEST(RichTextBox, SelectionFormatsHaveNoSingleValueWhenMixed)
{
    RichTextBox box;
    box.setText(QStringLiteral("plain bold\r\ncentre"));
    select(box, 6, 4);
    box.setSelBold(true);
    EXPECT_EQ(box.selBold(), true);
    select(box, 0, 10);
    EXPECT_EQ(box.selBold(), std::nullopt);
    EXPECT_EQ(box.selItalic(), false);
    box.setSelItalic(true);
    box.setSelUnderline(true);
    box.setSelStrikeThrough(true);
    EXPECT_EQ(box.selItalic(), true);
    EXPECT_EQ(box.selUnderline(), true);
    EXPECT_EQ(box.selStrikeThrough(), true);

    select(box, 12, 0);
    box.setSelAlignment(RichTextBox::AlignCenter);
    EXPECT_EQ(box.selAlignment(), RichTextBox::AlignCenter);
    select(box, 0, 0);
    EXPECT_EQ(box.selAlignment(), RichTextBox::AlignLeft);
    select(box, 2, 12);
    EXPECT_EQ(box.selAlignment(), std::nullopt);
    box.setSelAlignment(RichTextBox::AlignRight);
    EXPECT_EQ(box.selAlignment(), RichTextBox::AlignRight);

    select(box, 0, 5);
    box.setSelFontName(QStringLiteral("Arial"));
    box.setSelFontSize(20);
    box.setSelColor(Qt::red);
    const QTextCharFormat format = box.document()->begin().begin().fragment().charFormat();
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(format.fontPointSize(), 20.0);
    EXPECT_EQ(format.foreground().color(), QColor(Qt::red));
}

TEST(RichTextBox, SelectionAsMarkupCarriesItsFormatting)
{
    RichTextBox from;
    from.setText(QStringLiteral("a bold word"));
    select(from, 2, 4);
    from.setSelBold(true);
    const QByteArray markup = from.selRtf();
    EXPECT_TRUE(markup.startsWith("{\\rtf1"));

    RichTextBox to;
    to.setText(QStringLiteral("[]"));
    select(to, 1, 0);
    to.setSelRtf(markup);
    EXPECT_EQ(to.text(), QStringLiteral("[bold]"));
    select(to, 1, 4);
    EXPECT_EQ(to.selBold(), true);

    select(to, 0, 6);
    to.setSelRtf("not {markup}");
    EXPECT_EQ(to.text(), QStringLiteral("not {markup}"));
}

class RichTextBoxFiles : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

TEST_F(RichTextBoxFiles, LoadsRtfAndPlainTextInEveryEncoding)
{
    struct Case {
        const char *what;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"RTF", R"({\rtf1\ansi\ansicpg1251 \'cc\'e8\'f0\par x})", QString::fromUtf8("Мир\r\nx")},
        {"UTF-8", "Мир\nx\n", QString::fromUtf8("Мир\r\nx\r\n")},
        {"UTF-8 with BOM", "\xEF\xBB\xBFМир", QString::fromUtf8("Мир")},
        {"UTF-16 with BOM", QByteArray("\xFF\xFE\x1C\x04\x38\x04\x40\x04\r\0\n\0x\0", 14),
         QString::fromUtf8("Мир\r\nx")},
        {"Windows-1251", "\xCC\xE8\xF0\r\nx", QString::fromUtf8("Мир\r\nx")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeAll(path("in"), c.bytes));
        RichTextBox box;
        box.setText(QStringLiteral("old"));
        QString error;
        ASSERT_TRUE(box.loadFile(path("in"), &error)) << error.toStdString();
        EXPECT_EQ(box.text(), c.text);
    }
}

TEST_F(RichTextBoxFiles, SavesRtfWhateverTheName)
{
    RichTextBox box;
    box.setText(QString::fromUtf8("Касса №1"));
    ASSERT_TRUE(box.saveFile(path("listing.txt")));
    EXPECT_TRUE(readAll(path("listing.txt")).startsWith("{\\rtf1\\ansi\\ansicpg1251"));
    RichTextBox back;
    ASSERT_TRUE(back.loadFile(path("listing.txt")));
    EXPECT_EQ(back.text(), QString::fromUtf8("Касса №1"));
}

TEST_F(RichTextBoxFiles, FailuresSayWhyAndChangeNothing)
{
    RichTextBox box;
    box.setText(QStringLiteral("keep me"));
    QString error;
    EXPECT_FALSE(box.loadFile(path("missing.rtf"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(box.loadFile(m_dir.path(), &error));
    EXPECT_EQ(box.text(), QStringLiteral("keep me"));

    const struct {
        const char *what;
        QString path;
    } targets[] = {
        {"full disk", QStringLiteral("/dev/full")},
        {"missing folder", path("no/such/folder/x.rtf")},
        {"a folder", m_dir.path()},
    };
    for (const auto &target : targets) {
        SCOPED_TRACE(target.what);
        error.clear();
        EXPECT_FALSE(box.saveFile(target.path, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile()); // still the device
}

TEST_F(RichTextBoxFiles, FailedSaveInAReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    ASSERT_TRUE(writeAll(path("existing.rtf"), "precious"));
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    RichTextBox box;
    QString error;
    EXPECT_FALSE(box.saveFile(path("existing.rtf"), &error));
    EXPECT_FALSE(error.isEmpty());
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readAll(path("existing.rtf")), QByteArray("precious"));
}

} // namespace
