// Charts whose codes all lie in 32..127, in three digits, with the Cyrillic capitals at 96..127.
#include "code_tables.h"

#include <string_view>

namespace pelmark::tables {
namespace {

// The capitals in KOI8-R order, which places Ю first and Ъ last.
constexpr std::u16string_view kKoi8Capitals = u"ЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ";

// The signs, digits and Latin capitals both charts share, each at its ASCII code.
void addSevenBitSigns(CodeTableBuilder &builder, bool withGraveAccent)
{
    for (char16_t c : std::u16string_view(u" \"%-+.*"))
        builder.code(c, c);
    builder.run(u'0', 10, '0').run(u':', 7, ':'); // : ; < = > ? @
    builder.run(u'A', 26, 'A').run(u'[', 5, '['); // [ \ ] ^ _
    if (withGraveAccent)
        builder.code(u'`', '`');
}

} // namespace

const CodeTable &amc100F()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Digits3);
        for (int i = 0; i < detail::kCyrillicCapitals; ++i) {
            const char16_t letter = char16_t(detail::kCyrillicA + i);
            builder.code(letter, 96 + int(kKoi8Capitals.find(letter)));
        }
        addSevenBitSigns(builder, true);
        return std::move(builder).build();
    }();
    return table;
}

const CodeTable &micro()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Digits3);
        builder.run(detail::kCyrillicA, detail::kCyrillicCapitals, 96);
        addSevenBitSigns(builder, false);
        return std::move(builder).build();
    }();
    return table;
}

} // namespace pelmark::tables
