// Text files that are not RTF: one decoder for both programs, held against Qt's own codec.
#include "plain_text_import.h"
#include "qt_text.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace {

TEST(PlainTextImport, Windows1251AgreesWithQtsCodecForEveryByte)
{
    QStringDecoder qt("windows-1251", QStringConverter::Flag::Stateless);
    ASSERT_TRUE(qt.isValid());
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const QString expected = qt.decode(QByteArrayView(&c, 1));
        EXPECT_EQ(pelmark::toQString(pelmark::encoding::decodeWindows1251(std::string_view(&c, 1))), expected)
            << "byte " << byte;
    }
}

TEST(PlainTextImport, LineEndsBecomeParagraphBreaks)
{
    EXPECT_EQ(pelmark::richtext::decodePlainText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(pelmark::richtext::decodePlainText(QByteArray("\xFF\xFE\x41\x00\x0D\x00\x0A\x00", 8)),
              QStringLiteral("A\n"));
}

} // namespace
