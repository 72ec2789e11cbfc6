// The chart with the Cyrillic capitals at their code page 866 codes, 128..159.
#include "code_tables.h"

#include <string_view>

namespace pelmark::tables {

const CodeTable &ladoga()
{
    static const CodeTable table = [] {
        CodeTableBuilder builder(CodeFormat::Plain);
        builder.run(detail::kCyrillicA, detail::kCyrillicCapitals, 128);
        for (char16_t c : std::u16string_view(u" \"#*,."))
            builder.code(c, c);
        builder.run(u'0', 10, '0').code(u':', ':').code(u'^', 255);
        return std::move(builder).build();
    }();
    return table;
}

} // namespace pelmark::tables
