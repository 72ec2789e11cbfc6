// Pelmark's RTF against real peers: what it writes, pandoc and LibreOffice read; what LibreOffice
// writes, Pelmark reads, text and formats alike.
#include "plain_text.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include "file_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using pelmark::richtext::RtfReader;
using pelmark::richtext::RtfWriter;

namespace {

QStringList words(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\w+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList out;
    for (auto it = word.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    return out;
}

// Runs a peer and returns its standard output; fails the test on a missing tool or a timeout.
QByteArray runTool(const QString &program, const QStringList &arguments, int timeoutMs = 180000)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is not installed (tools/test installs it)";
        return {};
    }
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return {};
    }
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

class Interop : public ::testing::Test {
protected:
    // One LibreOffice run converts all the files given, into `format`, in a throwaway profile.
    void libreOfficeConvert(const QStringList &files, const QString &format, const QString &inFilter = {})
    {
        QStringList arguments{QStringLiteral("-env:UserInstallation=file://") +
                                  m_dir.filePath(QStringLiteral("profile")),
                              QStringLiteral("--headless")};
        if (!inFilter.isEmpty())
            arguments << QStringLiteral("--infilter=") + inFilter;
        arguments << QStringLiteral("--convert-to") << format << QStringLiteral("--outdir") << out() << files;
        runTool(QStringLiteral("soffice"), arguments);
    }
    QString out() const { return m_dir.filePath(QStringLiteral("out")); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

// A listing and a formatted letter, as Pelmark saves them.
QByteArray listingRtf()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Courier New"), 12));
    QTextCursor(&document).insertText(QString::fromUtf8("Код для ОКА ПК\n     МАГАЗИН «Ёлка» №1\n"
                                                        "строка: С1/7_С2/7_00_C3/00_"));
    return RtfWriter::write(document);
}

QByteArray formattedRtf()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Courier New"), 12));
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QString::fromUtf8("Жирный"), bold);
    cursor.insertText(QString::fromUtf8(" и "), QTextCharFormat());
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.insertText(QString::fromUtf8("курсив"), italic);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText(QString::fromUtf8("Справа"), QTextCharFormat());
    return RtfWriter::write(document);
}

void expectFormatted(const QTextDocument &document)
{
    const QTextCursor bold = document.find(QString::fromUtf8("Жирный"));
    ASSERT_FALSE(bold.isNull());
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
    EXPECT_FALSE(bold.charFormat().fontItalic());
    const QTextCursor italic = document.find(QString::fromUtf8("курсив"));
    ASSERT_FALSE(italic.isNull());
    EXPECT_TRUE(italic.charFormat().fontItalic());
    EXPECT_NE(italic.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(bold.block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCursor right = document.find(QString::fromUtf8("Справа"));
    ASSERT_FALSE(right.isNull());
    EXPECT_EQ(right.block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(Interop, PeersReadWhatPelmarkWrites)
{
    const std::pair<QString, QByteArray> files[] = {{QStringLiteral("listing.rtf"), listingRtf()},
                                                    {QStringLiteral("formatted.rtf"), formattedRtf()}};
    QStringList paths;
    for (const auto &[name, rtf] : files) {
        writeAll(path(name), rtf);
        paths << path(name);
    }
    libreOfficeConvert(paths, QStringLiteral("txt:Text"));
    for (const auto &[name, rtf] : files) {
        SCOPED_TRACE(name.toStdString());
        const QStringList expected = words(RtfReader::plainText(rtf));
        ASSERT_FALSE(expected.isEmpty());
        const QString pandoc = QString::fromUtf8(runTool(
            QStringLiteral("pandoc"), {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"),
                                       QStringLiteral("plain"), QStringLiteral("--wrap=none"), path(name)}));
        // pandoc's plain writer upper-cases bold text; the letters are what count.
        EXPECT_EQ(words(pandoc.toCaseFolded()), words(RtfReader::plainText(rtf).toCaseFolded()));
        const QString libreOffice = QString::fromUtf8(
            readAll(out() + QLatin1Char('/') + QFileInfo(name).completeBaseName() + ".txt"));
        EXPECT_EQ(words(libreOffice), expected);
    }
    // The exact characters too, where code-page bugs would show.
    EXPECT_TRUE(QString::fromUtf8(readAll(out() + "/listing.txt")).contains(QString::fromUtf8("«Ёлка» №1")));
}

TEST_F(Interop, FormatsSurviveALibreOfficeRoundTrip)
{
    writeAll(path("formatted.rtf"), formattedRtf());
    libreOfficeConvert({path("formatted.rtf")}, QStringLiteral("rtf"));
    QTextDocument back;
    RtfReader::load(readAll(out() + "/formatted.rtf"), back);
    EXPECT_EQ(words(pelmark::richtext::crLfText(back)), words(RtfReader::plainText(formattedRtf())));
    expectFormatted(back);
}

TEST_F(Interop, PelmarkReadsWhatLibreOfficeWrites)
{
    writeAll(path("letter.html"),
             "<html><head><meta charset=\"utf-8\"></head><body>"
             "<p align=\"center\"><b>Жирный</b> и <i>курсив</i></p>"
             "<p align=\"right\">Справа</p><p>Ещё строка: Ё, №, «кавычки».</p></body></html>");
    libreOfficeConvert({path("letter.html")}, QStringLiteral("rtf"), QStringLiteral("HTML (StarWriter)"));
    QTextDocument document;
    RtfReader::load(readAll(out() + "/letter.rtf"), document);
    const QString text = pelmark::richtext::crLfText(document);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Жирный и курсив\r\nСправа\r\nЕщё строка: Ё, №, «кавычки».")))
        << text.toStdString();
    expectFormatted(document);
}

} // namespace
