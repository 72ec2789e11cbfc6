// Charts numbered compactly from 0 or 1, in two digits.
#include "code_tables.h"

namespace pelmark::tables {

const CodeTable &ekr2102()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Digits2);
        builder.run(detail::kCyrillicA, detail::kCyrillicCapitals, 0);
        builder.sequence(u"N *()!\"+,-./:;=?", 32);
        // The digits stand for themselves, so "0_" differs from the letter А's "00_".
        for (int digit = 0; digit <= 9; ++digit)
            builder.token(char16_t(u'0' + digit), formatCode(digit, CodeFormat::Plain));
        return std::move(builder).build();
    }();
    return table;
}

const CodeTable &ekr3102()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Digits2);
        builder.run(detail::kCyrillicA, detail::kCyrillicCapitals, 62);
        builder.run(u' ', u'\\' - u' ' + 1, 1); // space..backslash at ASCII less 31
        return std::move(builder).build();
    }();
    return table;
}

} // namespace pelmark::tables
