#include "text_encoding.h"

#include <array>
#include <cstdint>

namespace pelmark::encoding {
namespace {

// Windows-1251, bytes 0x80..0xFF. 0x98 is unassigned; like Windows we pass it through as U+0098.
constexpr std::array<char16_t, 64> kWindows1251High = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u0098', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

void appendCodePoint(std::u16string &out, char32_t cp)
{
    if (cp < 0x10000) {
        out += char16_t(cp);
    } else {
        cp -= 0x10000;
        out += char16_t(0xD800 + (cp >> 10));
        out += char16_t(0xDC00 + (cp & 0x3FF));
    }
}

// Code units as they stand, lone surrogates included; an odd last byte is U+FFFD.
std::u16string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string out;
    out.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        out += bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    if (bytes.size() % 2 != 0)
        out += u'\uFFFD';
    return out;
}

} // namespace

std::optional<std::u16string> decodeUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += char16_t(lead);
            ++i;
            continue;
        }
        std::size_t length;
        char32_t cp;
        char32_t minimum;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, cp = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, cp = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, cp = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i < length)
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        appendCodePoint(out, cp);
        i += length;
    }
    return out;
}

std::u16string decodeWindows1251(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80)
            out += char16_t(b);
        else if (b >= 0xC0)
            out += char16_t(0x0410 + (b - 0xC0));
        else
            out += kWindows1251High[b - 0x80];
    }
    return out;
}

std::u16string decodeText(std::string_view bytes)
{
    constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
    constexpr std::string_view utf16LeBom = "\xFF\xFE";
    constexpr std::string_view utf16BeBom = "\xFE\xFF";
    if (bytes.starts_with(utf16LeBom))
        return decodeUtf16(bytes.substr(utf16LeBom.size()), false);
    if (bytes.starts_with(utf16BeBom))
        return decodeUtf16(bytes.substr(utf16BeBom.size()), true);
    if (bytes.starts_with(utf8Bom))
        bytes.remove_prefix(utf8Bom.size());
    if (std::optional<std::u16string> text = decodeUtf8(bytes))
        return std::move(*text);
    return decodeWindows1251(bytes);
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::u16string toClicheLineEnds(std::u16string_view text)
{
    if (text.ends_with(u"\r\n"))
        text.remove_suffix(2);
    else if (text.ends_with(u'\n') || text.ends_with(u'\r'))
        text.remove_suffix(1);

    std::u16string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u"\r\n";
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace pelmark::encoding
