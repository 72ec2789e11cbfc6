#include "layout.h"

#include "conversion_host.h"

#include <array>
#include <string>

namespace pelmark {
namespace {

// The lines of a cliche text: what lies between two CRs, every LF dropped. Only the first 100
// lines are kept; past them only whether any text follows and how many lines there are matter.
struct SplitText {
    std::array<std::u16string, kMaxLayoutLines> lines;
    std::size_t lineCount = 1;
    bool textBeyondLimit = false;
};

SplitText splitLines(std::u16string_view text)
{
    SplitText split;
    for (char16_t c : text) {
        if (c == u'\r') {
            ++split.lineCount;
        } else if (c != u'\n') {
            if (split.lineCount > kMaxLayoutLines) {
                split.textBeyondLimit = true;
                break;
            }
            split.lines[split.lineCount - 1] += c;
        }
    }
    return split;
}

} // namespace

LayoutOutcome layOutCliche(ConversionHost &host, std::size_t width)
{
    const SplitText split = splitLines(host.clicheText());
    if (split.textBeyondLimit)
        return LayoutOutcome::Abandoned;

    const std::size_t testedLines = std::min(split.lineCount, kMaxLayoutLines);
    for (std::size_t i = 0; i < testedLines; ++i) {
        if (split.lines[i].size() > width) {
            // The text stays as typed, so the user can mend the one long line.
            host.showMessage(kLineTooLongMessage);
            return LayoutOutcome::Rejected;
        }
    }
    if (split.lineCount > kMaxLayoutLines)
        return LayoutOutcome::Abandoned;

    std::u16string laidOut;
    laidOut.reserve(split.lineCount * (width + 2));
    for (std::size_t i = 0; i < split.lineCount; ++i) {
        const std::u16string &line = split.lines[i];
        laidOut.append((width - line.size()) / 2, u' ');
        laidOut += line;
        laidOut += u"\r\n";
    }
    host.setScratchText(laidOut);
    host.setClicheText(host.scratchText());
    host.setScratchText({});
    return LayoutOutcome::LaidOut;
}

} // namespace pelmark
