// Real files from word processors, mail clients and test suites, broken ones among them: each
// reads with the text a careful reader gives.
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QTextDocument>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The words of a text, as the peers' outputs are compared: NFC, strike-out marks removed.
QStringList words(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\w+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList out;
    const QString normal = text.normalized(QString::NormalizationForm_C).remove(QStringLiteral("~~"));
    for (auto it = word.globalMatch(normal); it.hasNext();)
        out << it.next().captured();
    return out;
}

// Which reference text to believe for a file: a judged text where both peers fail, otherwise
// LibreOffice's, which decodes code pages and surrogates right; pandoc's where LibreOffice shows
// hidden text or fails.
QString referenceFor(const QDir &corpus, const QString &name)
{
    const QString base = QFileInfo(name).completeBaseName();
    const QStringList candidates = base == QLatin1String("fmt-word2016")
                                       ? QStringList{QStringLiteral("expected-pandoc-nofmt")}
                                       : QStringList{QStringLiteral("judged"), QStringLiteral("expected-lo"),
                                                     QStringLiteral("expected-pandoc-nofmt")};
    for (const QString &folder : candidates) {
        const QString path = corpus.filePath(folder + QLatin1Char('/') + base + QStringLiteral(".txt"));
        if (QFile::exists(path))
            return path;
    }
    return {};
}

TEST(RtfCorpus, EveryFileReadsWithItsText)
{
    const QDir corpus(QStringLiteral(PELMARK_RTF_CORPUS));
    ASSERT_TRUE(QDir(corpus.filePath(QStringLiteral("files"))).exists()) << PELMARK_RTF_CORPUS;
    const QStringList names = QDir(corpus.filePath(QStringLiteral("files")))
                                  .entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 37);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray rtf = readFile(corpus.filePath(QStringLiteral("files/") + name));
        const QString text = pelmark::richtext::RtfReader::plainText(rtf);
        const QString reference = referenceFor(corpus, name);
        ASSERT_FALSE(reference.isEmpty());
        QStringList expected = words(QString::fromUtf8(readFile(reference)));
        QStringList actual = words(text);
        if (name.startsWith(QLatin1String("fmt-word2016"))) {
            // pandoc's plain writer upper-cases \caps text; the letters are what count.
            for (QString &w : expected)
                w = w.toCaseFolded();
            for (QString &w : actual)
                w = w.toCaseFolded();
        }
        EXPECT_EQ(actual.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
    }
}

TEST(RtfFuzzCorpus, SeedsAndPastFindingsReadAndRoundTrip)
{
    for (const char *folder : {"seeds", "regressions"}) {
        const QDir dir(QStringLiteral(PELMARK_FUZZ_CORPUS "/") + QLatin1String(folder));
        for (const QString &name : dir.entryList(QDir::Files)) {
            SCOPED_TRACE(name.toStdString());
            QTextDocument document;
            pelmark::richtext::RtfReader::load(readFile(dir.filePath(name)), document);
            const QByteArray written = pelmark::richtext::RtfWriter::write(document);
            EXPECT_TRUE(written.startsWith("{\\rtf1"));
            QTextDocument again;
            pelmark::richtext::RtfReader::load(written, again);
            EXPECT_EQ(again.blockCount(), document.blockCount());
        }
    }
}

} // namespace
