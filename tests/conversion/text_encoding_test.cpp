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

TEST(TextEncoding, FallsBackToWindows1251AndDropsTheBom)
{
    EXPECT_EQ(decodeUtf8OrWindows1251("\xEF\xBB\xBF\xD0\x90"), u"А");
    EXPECT_EQ(decodeUtf8OrWindows1251("\xCA\xE0\xF1\xF1\xE0 \xB9\x31 \xA8\xB8"), u"Касса №1 Ёё");
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
