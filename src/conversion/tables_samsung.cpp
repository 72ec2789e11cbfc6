// The two Samsung charts: spelled-out hexadecimal code page 866 codes, and shared letter codes.
#include "code_tables.h"

#include <string_view>

namespace pelmark::tables {
namespace {

// A code page 866 code as two hex digits; a low digit A..F is spelled as "отд1".."отд6", in
// lower case after the high digits 2, 8 and 9 and in upper case after 4 and 5.
std::u16string samsung250Token(int code)
{
    const int high = code / 16;
    const int low = code % 16;
    std::u16string token(1, char16_t(u'0' + high));
    if (low < 10) {
        token += char16_t(u'0' + low);
    } else {
        token += high == 4 || high == 5 ? u" ОТД" : u" отд";
        token += char16_t(u'1' + low - 10);
    }
    return token + u'_';
}

} // namespace

const CodeTable &samsung250()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Plain);
        auto add = [&builder](char16_t c, int code) { builder.token(c, samsung250Token(code)); };
        for (int i = 0; i < detail::kCyrillicCapitals; ++i)
            add(char16_t(detail::kCyrillicA + i), 0x80 + i);
        for (char16_t c : std::u16string_view(u" \"-+.*0123456789"))
            add(c, c);
        builder.token(u'=', u"46_").token(u'@', u"64_"); // the two rows off the rule
        for (char16_t c = u'A'; c <= u'_'; ++c)
            add(c, c);
        return std::move(builder).build();
    }();
    return table;
}

const CodeTable &samsung4615()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Digits3);
        builder.run(detail::kCyrillicA, 26, 65).run(u'Ъ', 6, 1);
        for (char16_t c : std::u16string_view(u" \"%-+.*"))
            builder.code(c, c);
        builder.run(u'0', 10, '0').run(u':', 7, ':').run(u'A', 26, 'A');
        return std::move(builder).build();
    }();
    return table;
}

} // namespace pelmark::tables
