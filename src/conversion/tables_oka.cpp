// The two Oka charts: two-digit numbers, and group-and-position sequences.
#include "code_tables.h"

#include <string_view>

namespace pelmark::tables {

const CodeTable &oka102K()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Digits2);
        builder.run(detail::kCyrillicA, detail::kCyrillicCapitals, 1);
        builder.sequence(u" .,:\"()/", 33);
        builder.code(u'0', 80).run(u'1', 9, 71); // zero comes after nine
        builder.run(u'A', 26, 41);
        builder.sequence(u"!#+-", 67);
        return std::move(builder).build();
    }();
    return table;
}

const CodeTable &okaPK()
{
    // Tokens below spell the Cyrillic С as \u0421 and the Latin C as C: they look alike but the
    // register tells them apart.
    static const CodeTable table = [] {
        constexpr std::u16string_view groupDigits = u"78945612";
        CodeTableBuilder builder(CodeFormat::Plain);
        for (int i = 0; i < detail::kCyrillicCapitals; ++i) {
            std::u16string token = u"\u0421";
            token += char16_t(u'1' + i % 4);
            token += u'/';
            token += groupDigits[std::size_t(i / 4)];
            token += u'_';
            builder.token(char16_t(detail::kCyrillicA + i), std::move(token));
        }
        builder.token(u'N', u"\u04212/4L")
            .token(u' ', u"00_")
            .token(u'"', u"\u04214/0_")
            .token(u'%', u"\u04214/1L")
            .token(u'-', u"\u04213/0_")
            .token(u'+', u"\u04211/3L")
            .token(u'.', u"\u04211/3_")
            .token(u'*', u"C2/0_");
        builder.run(u'0', 10, 0);
        builder.token(u'=', u"C4/3L")
            .token(u'!', u"C4/00_")
            .token(u'&', u"C2/00_")
            .token(u'@', u"C3/00_")
            .token(u':', u"C1/00_");
        return std::move(builder).build();
    }();
    return table;
}

} // namespace pelmark::tables
