#include "text_encoding.h"

#include <gtest/gtest.h>

using namespace pelmark::encoding;

namespace {

TEST(TextEncoding, Utf8IsStrict)
{
    EXPECT_EQ(decodeUtf8("Ок \xF0\x9F\x93\x9E"), std::u16string(u"Ок \U0001F4DE"));
    const char *invalid[] = {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80", "\xFF"};
    for (const char *bytes : invalid)
        EXPECT_FALSE(decodeUtf8(bytes).has_value()) << bytes;
}

struct DecodeCase {
    const char *what;
    std::string bytes;
    std::u16string text;
};

TEST(TextEncoding, DecodesWhatEditorsSaveAndDropsTheBom)
{
    using namespace std::string_literals;
    const DecodeCase cases[] = {
        {"UTF-8", "\xD0\x90 b", u"А b"},
        {"UTF-8 with a BOM", "\xEF\xBB\xBF\xD0\x90", u"А"},
        {"UTF-16 LE with a BOM", "\xFF\xFE\x41\x00\x10\x04\x0D\x00\x0A\x00"s, u"AА\r\n"},
        {"UTF-16 BE with a BOM", "\xFE\xFF\x00\x41\x04\x10"s, u"AА"},
        {"UTF-16 with an odd last byte", "\xFF\xFE\x41\x00\x42"s, u"A\uFFFD"},
        {"UTF-16 BOM alone", "\xFF\xFE", u""},
        {"Windows-1251", "\xCA\xE0\xF1\xF1\xE0 \xB9\x31 \xA8\xB8", u"Касса №1 Ёё"},
        {"invalid UTF-8 after a UTF-8 BOM", "\xEF\xBB\xBF\xCA\xE0", u"Ка"},
        {"empty", "", u""},
    };
    for (const DecodeCase &c : cases)
        EXPECT_EQ(decodeText(c.bytes), c.text) << c.what;
    EXPECT_EQ(decodeWindows1251("\x80\x98\xFF"), u"Ђ\u0098я");
}

TEST(TextEncoding, Utf8OutReplacesLoneSurrogates)
{
    EXPECT_EQ(toUtf8(u"я\U0001F4DE"), "я\xF0\x9F\x93\x9E");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(toUtf8(lone), "a\xEF\xBF\xBD"
                            "b\xEF\xBF\xBD");
}

TEST(TextEncoding, LineEndsBecomeCrLfAndTheLastOneIsDropped)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"a\nb\n", u"a\r\nb"},
        {u"a\r\nb\r\n", u"a\r\nb"},
        {u"a\rb\r", u"a\r\nb"},
        {u"a\n\n", u"a\r\n"},
        {u"\n", u""},
        {u"", u""},
        {u"a\r\n\nb", u"a\r\n\r\nb"},
        {u"a\n\rb", u"a\r\n\r\nb"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(toClicheLineEnds(in), out) << toUtf8(in);
}

} // namespace
