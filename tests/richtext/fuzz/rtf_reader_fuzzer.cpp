// libFuzzer target: any bytes at all must read without a crash, a hang or runaway memory.
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_reader_fuzzer";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

// The text a save keeps: control characters and object placeholders carry none.
static QString savedText(const QTextDocument &document)
{
    QString text = document.toPlainText();
    text.removeIf([](QChar c) {
        return (c < QChar(0x20) && c != u'\t' && c != u'\n') || c == QChar::ObjectReplacementCharacter;
    });
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    pelmark::richtext::RtfReader::load(bytes, document);
    // What was read must write and read again, as a save and reopen would.
    const QByteArray written = pelmark::richtext::RtfWriter::write(document);
    QTextDocument again;
    pelmark::richtext::RtfReader::load(written, again);
    if (savedText(again) != savedText(document))
        std::abort();
    // And paste into the middle of a document.
    QTextCursor cursor(&again);
    cursor.setPosition(again.characterCount() / 2);
    pelmark::richtext::RtfReader::insert(bytes, cursor);
    return 0;
}
