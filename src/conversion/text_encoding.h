#pragma once

#include <optional>
#include <string>
#include <string_view>

// Byte-level text codecs. The core itself works on UTF-16 code units; both programs read every
// text file through decodeText, so a file reads alike in the converter and in the windows.
namespace pelmark::encoding {

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF), or nothing.
std::optional<std::u16string> decodeUtf8(std::string_view bytes);
std::u16string decodeWindows1251(std::string_view bytes);
// The text of a file as users' editors save it: UTF-8 or UTF-16 (little or big endian) after
// their byte-order mark, which is dropped; without one, strict UTF-8, else Windows-1251.
std::u16string decodeText(std::string_view bytes);

// Lone surrogates become U+FFFD.
std::string toUtf8(std::u16string_view text);

// A text file's lines as the input window holds them: one line end at the very end dropped,
// every other LF, CR LF or lone CR made CR LF.
std::u16string toClicheLineEnds(std::u16string_view text);

} // namespace pelmark::encoding
