// How the cliche text is fitted to a model's line width.
#include "layout.h"
#include "string_host.h"

#include <gtest/gtest.h>

#include <string>

using namespace pelmark;

namespace {

std::u16string spaces(std::size_t n)
{
    return std::u16string(n, u' ');
}

std::u16string repeat(std::u16string_view line, std::size_t times, std::u16string_view separator)
{
    std::u16string out;
    for (std::size_t i = 0; i < times; ++i) {
        if (i > 0)
            out += separator;
        out += line;
    }
    return out;
}

struct LaidOutCase {
    const char *what;
    std::size_t width;
    std::u16string input;
    std::u16string expected;
};

TEST(Layout, CentresEveryLineAndEndsItWithCrLf)
{
    const std::u16string eighteen = u"123456789012345678";
    const LaidOutCase cases[] = {
        {"empty text, width 18", 18, u"", spaces(9) + u"\r\n"},
        {"empty text, width 17", 17, u"", spaces(8) + u"\r\n"},
        {"empty text, width 21", 21, u"", spaces(10) + u"\r\n"},
        {"rounded down", 18, u"ABC", spaces(7) + u"ABC\r\n"},
        {"one short of the width", 18, eighteen.substr(0, 17), eighteen.substr(0, 17) + u"\r\n"},
        {"two short of the width", 18, eighteen.substr(0, 16), u" " + eighteen.substr(0, 16) + u"\r\n"},
        {"exactly the width", 18, eighteen, eighteen + u"\r\n"},
        {"worked example", 18, u"ABC\r\n" + eighteen + u"\r\nde",
         spaces(7) + u"ABC\r\n" + eighteen + u"\r\n" + spaces(8) + u"de\r\n"},
        {"closing line end makes a line of spaces", 18, u"ABC\r\n",
         spaces(7) + u"ABC\r\n" + spaces(9) + u"\r\n"},
        {"lone LF joins its sides", 18, u"AB\nCD", spaces(7) + u"ABCD\r\n"},
        {"lone CR ends a line", 18, u"AB\rCD", spaces(8) + u"AB\r\n" + spaces(8) + u"CD\r\n"},
        {"leading spaces count", 18, u"  AB", spaces(7) + u"  AB\r\n"},
        {"trailing spaces kept", 18, u"AB  ", spaces(7) + u"AB  \r\n"},
        {"Cyrillic", 18, u"МАГАЗИН\r\nСпасибо!", spaces(5) + u"МАГАЗИН\r\n" + spaces(5) + u"Спасибо!\r\n"},
        {"second layout centres again", 18, spaces(5) + u"МАГАЗИН\r\n",
         spaces(8) + u"МАГАЗИН\r\n" + spaces(9) + u"\r\n"},
        {"99 line ends are fine", 16, repeat(u"x", 100, u"\r\n"),
         repeat(spaces(7) + u"x", 100, u"\r\n") + u"\r\n"},
    };
    for (const LaidOutCase &c : cases) {
        SCOPED_TRACE(c.what);
        StringConversionHost host;
        host.cliche = c.input;
        EXPECT_EQ(layOutCliche(host, c.width), LayoutOutcome::LaidOut);
        EXPECT_EQ(host.cliche, c.expected);
        EXPECT_TRUE(host.scratch.empty());
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(Layout, LongLineRejectsTheWholeTextOnceAndKeepsIt)
{
    const std::u16string text = u"ABC\r\n1234567890123456789\r\n12345678901234567890";
    StringConversionHost host;
    host.cliche = text;
    host.scratch = u"left over";
    EXPECT_EQ(layOutCliche(host, 18), LayoutOutcome::Rejected);
    EXPECT_EQ(host.cliche, text);
    EXPECT_EQ(host.scratch, u"left over");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages.front(), u"Строка превышает допустимую длину!");
}

struct HundredLineCase {
    const char *what;
    std::u16string text;
    LayoutOutcome expected;
};

TEST(Layout, HundredLineRules)
{
    const std::u16string hundred = repeat(u"ab", 100, u"\r\n");
    const std::u16string longLine(30, u'x');
    const HundredLineCase cases[] = {
        {"100 lines with a closing line end", hundred + u"\r\n", LayoutOutcome::Abandoned},
        {"many empty lines past 100", hundred + repeat(u"", 50, u"\r\n") + u"\r\n", LayoutOutcome::Abandoned},
        {"a long line among the first 100 still rejects",
         longLine + u"\r\n" + repeat(u"ab", 99, u"\r\n") + u"\r\n", LayoutOutcome::Rejected},
        {"text on line 101 abandons before any test", longLine + u"\r\n" + hundred, LayoutOutcome::Abandoned},
        {"an LF on line 101 is no text", hundred + u"\r\n\n", LayoutOutcome::Abandoned},
    };
    for (const HundredLineCase &c : cases) {
        SCOPED_TRACE(c.what);
        StringConversionHost host;
        host.cliche = c.text;
        EXPECT_EQ(layOutCliche(host, 24), c.expected);
        EXPECT_EQ(host.cliche, c.text);
        EXPECT_TRUE(host.scratch.empty());
        EXPECT_EQ(host.messages.size(), c.expected == LayoutOutcome::Rejected ? 1u : 0u);
    }
}

TEST(Layout, EmptyTextIsOneLineOfHalfTheWidthForEveryWidthInUse)
{
    for (std::size_t width : {16, 17, 18, 21, 24, 26}) {
        StringConversionHost host;
        EXPECT_EQ(layOutCliche(host, width), LayoutOutcome::LaidOut);
        EXPECT_EQ(host.cliche, spaces(width / 2) + u"\r\n");
    }
}

TEST(Layout, NoSixteenBitLimit)
{
    // 40,000 characters on 100 lines of which the last is too long: rejected, not wrapped round.
    std::u16string text = repeat(u"ab", 99, u"\r\n") + u"\r\n" + std::u16string(40000, u'x');
    StringConversionHost host;
    host.cliche = text;
    EXPECT_EQ(layOutCliche(host, 18), LayoutOutcome::Rejected);
    EXPECT_EQ(host.cliche, text);
}

} // namespace
