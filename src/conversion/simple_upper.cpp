#include "simple_upper.h"

#include <array>
#include <cstdint>

namespace pelmark {
namespace {

struct CaseMapping {
    std::uint16_t from;
    std::uint16_t to;
};

constexpr CaseMapping kMappings[] = {
#include "simple_upper_data.inc"
};

// A dense table over the whole BMP: one load per character on the conversion's hot path.
struct UpperTable {
    std::array<char16_t, 0x10000> upper{};
    UpperTable()
    {
        for (std::size_t i = 0; i < upper.size(); ++i)
            upper[i] = char16_t(i);
        for (const CaseMapping &m : kMappings)
            upper[m.from] = char16_t(m.to);
    }
};

} // namespace

char16_t simpleUpper(char16_t c) noexcept
{
    static const UpperTable table;
    return table.upper[c];
}

} // namespace pelmark
