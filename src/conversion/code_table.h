#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

// One character-to-token rule of a model's code chart.
struct CodeRule {
    char16_t character;
    std::u16string token;
};

// A model's ordered character-to-token rules. The first rule for a character wins; later rules
// for the same character are kept (the chart may list them) but never used. The lookup is
// indexed once at construction, so a conversion never walks the rules per character.
class CodeTable final {
public:
    explicit CodeTable(std::vector<CodeRule> rules);

    // The token of the first rule for `c`, or an empty view when the chart has no rule for it.
    std::u16string_view lookup(char16_t c) const noexcept
    {
        if (c >= m_index.size())
            return {};
        const std::uint16_t slot = m_index[c];
        if (slot == 0)
            return {};
        const Span &span = m_spans[slot - 1];
        return {m_tokens.data() + span.offset, span.length};
    }

    const std::vector<CodeRule> &rules() const noexcept { return m_rules; }

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    std::vector<CodeRule> m_rules;
    std::u16string m_tokens;            // all used tokens, back to back
    std::vector<Span> m_spans;          // one per distinct character, in rule order
    std::vector<std::uint16_t> m_index; // character -> 1-based span number, 0 = no rule
};

// How a family of charts spells a numeric code.
enum class CodeFormat {
    Digits3, // three digits with leading zeros: "032_"
    Digits2, // two digits with leading zeros: "09_"
    Plain,   // no leading zeros: "9_"
};

std::u16string formatCode(int code, CodeFormat format);

// Builds a chart the way the charts are described: runs of characters from a start code,
// single characters with their own code or a literal token.
class CodeTableBuilder final {
public:
    explicit CodeTableBuilder(CodeFormat format) : m_format(format) {}

    // `count` consecutive characters from `first`, coded from `firstCode` upwards.
    CodeTableBuilder &run(char16_t first, int count, int firstCode);
    // Every character of `characters`, coded from `firstCode` upwards in the order given.
    CodeTableBuilder &sequence(std::u16string_view characters, int firstCode);
    CodeTableBuilder &code(char16_t character, int code);
    CodeTableBuilder &token(char16_t character, std::u16string token);

    std::vector<CodeRule> rules() && { return std::move(m_rules); }
    CodeTable build() && { return CodeTable(std::move(m_rules)); }

private:
    CodeFormat m_format;
    std::vector<CodeRule> m_rules;
};

} // namespace pelmark
