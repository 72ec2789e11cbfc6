#include "code_table.h"

#include <algorithm>

namespace pelmark {

CodeTable::CodeTable(std::vector<CodeRule> rules) : m_rules(std::move(rules))
{
    char16_t highest = 0;
    for (const CodeRule &rule : m_rules)
        highest = std::max(highest, rule.character);
    m_index.assign(m_rules.empty() ? 0 : std::size_t(highest) + 1, 0);

    for (const CodeRule &rule : m_rules) {
        std::uint16_t &slot = m_index[rule.character];
        if (slot != 0)
            continue; // an earlier rule for this character wins
        m_spans.push_back({m_tokens.size(), rule.token.size()});
        m_tokens += rule.token;
        slot = static_cast<std::uint16_t>(m_spans.size());
    }
}

std::u16string formatCode(int code, CodeFormat format)
{
    const std::size_t width = format == CodeFormat::Digits3 ? 3 : format == CodeFormat::Digits2 ? 2 : 1;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), char16_t(u'0' + code % 10));
        code /= 10;
    } while (code > 0);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), u'0');
    return digits + u'_';
}

CodeTableBuilder &CodeTableBuilder::run(char16_t first, int count, int firstCode)
{
    for (int i = 0; i < count; ++i)
        code(char16_t(first + i), firstCode + i);
    return *this;
}

CodeTableBuilder &CodeTableBuilder::sequence(std::u16string_view characters, int firstCode)
{
    for (char16_t c : characters)
        code(c, firstCode++);
    return *this;
}

CodeTableBuilder &CodeTableBuilder::code(char16_t character, int code)
{
    return token(character, formatCode(code, m_format));
}

CodeTableBuilder &CodeTableBuilder::token(char16_t character, std::u16string token)
{
    m_rules.push_back({character, std::move(token)});
    return *this;
}

} // namespace pelmark
