// What each register's chart gives for the characters users type.
#include "catalogue.h"
#include "code_table.h"
#include "conversion_run.h"
#include "simple_upper.h"
#include "text_encoding.h"
#include "token_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pelmark;

namespace {

std::u16string tokensFor(const ModelEntry &model, std::u16string_view text)
{
    std::u16string out;
    appendTokens(out, text, model);
    return out;
}

TEST(CodeTables, ExamplesGiveTheirTokens)
{
    for (const pelmark::test::TokenCase &c : pelmark::test::kTokenCases) {
        for (std::u16string_view command : c.models) {
            SCOPED_TRACE(std::string(c.what) + " on " + encoding::toUtf8(command));
            EXPECT_EQ(tokensFor(pelmark::test::model(command), c.input), c.expected);
        }
    }
}

TEST(CodeTables, EveryCodeUnitGivesATokenOnEveryModel)
{
    for (const ModelEntry &entry : modelCatalogue()) {
        SCOPED_TRACE(std::string(entry.command));
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            const char16_t c = char16_t(unit);
            if (c == u'\r' || c == u'\n')
                continue;
            const std::u16string token = tokensFor(entry, std::u16string_view(&c, 1));
            ASSERT_FALSE(token.empty());
            const char16_t looked = entry.upperCase ? simpleUpper(c) : c;
            if (entry.table().lookup(looked).empty()) {
                ASSERT_EQ(token, u"rus?_") << "unit " << unsigned(unit);
            }
        }
    }
}

TEST(CodeTables, UpperCasingModelsHaveNoRulesForSmallLetters)
{
    for (const ModelEntry &entry : modelCatalogue()) {
        if (!entry.upperCase)
            continue;
        for (const CodeRule &rule : entry.table().rules())
            EXPECT_EQ(simpleUpper(rule.character), rule.character) << entry.command;
    }
}

TEST(CodeTable, FirstRuleForACharacterWins)
{
    const CodeTable table({{u'a', u"1_"}, {u'b', u"2_"}, {u'a', u"3_"}});
    EXPECT_EQ(table.lookup(u'a'), u"1_");
    EXPECT_EQ(table.lookup(u'b'), u"2_");
    EXPECT_TRUE(table.lookup(u'c').empty());
    EXPECT_TRUE(table.lookup(u'\uFFFF').empty());
    EXPECT_TRUE(CodeTable({}).lookup(u'a').empty());
}

TEST(SimpleUpper, FollowsUnicodeNotTheLocale)
{
    const std::pair<char16_t, char16_t> cases[] = {{u'а', u'А'},
                                                   {u'я', u'Я'},
                                                   {u'ё', u'Ё'},
                                                   {u'z', u'Z'},
                                                   {u'ÿ', u'Ÿ'},
                                                   {u'ß', u'ß'},
                                                   {u'ǆ', u'Ǆ'},
                                                   {u'ǅ', u'Ǆ'},
                                                   {u'µ', u'Μ'},
                                                   {u'ґ', u'Ґ'},
                                                   {u'1', u'1'},
                                                   {u'Я', u'Я'},
                                                   {char16_t(0xD801), char16_t(0xD801)}};
    for (auto [lower, upper] : cases)
        EXPECT_EQ(unsigned(simpleUpper(lower)), unsigned(upper)) << unsigned(lower);
}

TEST(Catalogue, MenuOrderAndLookupByCommandOrCaption)
{
    const auto catalogue = modelCatalogue();
    ASSERT_EQ(catalogue.size(), 26u);
    EXPECT_EQ(catalogue.front().command, "mnuAMC100k");
    EXPECT_EQ(catalogue.back().command, "mnuWab04RK");
    EXPECT_EQ(findModel(u"АМС-100К"), &catalogue.front());
    EXPECT_EQ(findModel(u"mnuWab04RK"), &catalogue.back());
    EXPECT_EQ(findModel(u"mnuamc100k"), nullptr);
    EXPECT_EQ(findModel(u""), nullptr);
}

} // namespace
