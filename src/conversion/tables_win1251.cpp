// Charts whose token is the character's Windows-1251 code in three digits.
#include "code_tables.h"

namespace pelmark::tables {
namespace {

std::vector<CodeRule> win1251Rules(bool withAt)
{
    CodeTableBuilder builder(CodeFormat::Digits3);
    builder
        .run(detail::kCyrillicA, 32, 192)     // А..Я
        .run(u'\u0430', 32, 224);             // а..я
    for (char16_t c = u' '; c <= u'z'; ++c) { // printable ASCII up to z
        if (c != u'@' || withAt)
            builder.code(c, c);
    }
    return std::move(builder).rules();
}

} // namespace

const CodeTable &win1251()
{
    static const CodeTable table(win1251Rules(true));
    return table;
}

const CodeTable &win1251NoAt()
{
    static const CodeTable table(win1251Rules(false));
    return table;
}

} // namespace pelmark::tables
