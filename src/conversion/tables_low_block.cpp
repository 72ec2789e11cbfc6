// Charts with the Cyrillic capitals at 0..31 and the signs near their ASCII codes, no leading zeros.
#include "code_tables.h"

namespace pelmark::tables {
namespace {

std::vector<CodeRule> astraRules()
{
    CodeTableBuilder builder(CodeFormat::Plain);
    builder.run(detail::kCyrillicA, detail::kCyrillicCapitals, 0);
    for (char16_t c = u' '; c <= u'Z'; ++c)
        builder.code(c == u'$' ? u'№' : c, c); // № stands in the dollar sign's place
    builder.code(u'$', 92);
    return std::move(builder).rules();
}

} // namespace

const CodeTable &astra()
{
    static const CodeTable table(astraRules());
    return table;
}

const CodeTable &minica1102K1()
{
    // The Astra chart up to the question mark: the capitals and the signs from 32 to 63.
    static const CodeTable table = [] {
        std::vector<CodeRule> rules = astraRules();
        rules.resize(64);
        return CodeTable(std::move(rules));
    }();
    return table;
}

} // namespace pelmark::tables
