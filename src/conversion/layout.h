#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

class ConversionHost;

inline constexpr std::u16string_view kLineTooLongMessage = u"Строка превышает допустимую длину!";
// The layout works on this many lines at most; a longer text is left as it is.
inline constexpr std::size_t kMaxLayoutLines = 100;

enum class LayoutOutcome {
    LaidOut,   // the cliche text now holds the centred lines, each ended by CR LF
    Rejected,  // a line is wider than the model; the message was shown, the text kept
    Abandoned, // more than 100 lines; nothing changed, nothing shown
};

// The lines of a cliche text as the layout reads them: what lies between two CRs, every LF
// dropped. A text with k CRs has k + 1 lines.
struct ClicheLines {
    std::vector<std::u16string> lines; // the first `keep` lines
    std::size_t count = 1;             // every line, kept or not
    bool textBeyondKept = false;       // a character other than CR and LF lies past the kept lines
};
// Keeps the first `keep` lines and stops at the first character past them: the layout looks no
// further than line 101, however long the text.
ClicheLines splitClicheLines(std::u16string_view text, std::size_t keep = std::size_t(-1));

// The spaces that centre a line of `length` characters on a line of `width`: half of what is
// left, rounded down, so an odd remainder leaves the line one place left of the centre.
constexpr std::size_t centringSpaces(std::size_t length, std::size_t width)
{
    return length < width ? (width - length) / 2 : 0;
}

// Fits the cliche text to `width` characters a line (16, 17, 18, 21, 24 or 26 in the catalogue):
// centres each line with leading spaces and ends every line with CR LF, or rejects the text when
// a line is too long.
LayoutOutcome layOutCliche(ConversionHost &host, std::size_t width);

} // namespace pelmark
