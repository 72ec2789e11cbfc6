#pragma once

#include <optional>
#include <string>
#include <string_view>

// Byte-level text codecs for the command-line converter and the tests: the core itself works on
// UTF-16 code units only.
namespace pelmark::encoding {

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF), or nothing.
std::optional<std::u16string> decodeUtf8(std::string_view bytes);
std::u16string decodeWindows1251(std::string_view bytes);
// UTF-8 with a leading BOM dropped; bytes that are not valid UTF-8 are read as Windows-1251.
std::u16string decodeUtf8OrWindows1251(std::string_view bytes);

// Lone surrogates become U+FFFD.
std::string toUtf8(std::u16string_view text);

// A text file's lines as the input window holds them: one line end at the very end dropped,
// every other LF, CR LF or lone CR made CR LF.
std::u16string toClicheLineEnds(std::u16string_view text);

} // namespace pelmark::encoding
