#include "layout.h"

#include "conversion_host.h"

#include <algorithm>
#include <string>

namespace pelmark {

std::vector<std::u16string> splitClicheLines(std::u16string_view text)
{
    std::vector<std::u16string> lines(1);
    for (char16_t c : text) {
        if (c == u'\r')
            lines.emplace_back();
        else if (c != u'\n')
            lines.back() += c;
    }
    return lines;
}

LayoutOutcome layOutCliche(ConversionHost &host, std::size_t width)
{
    const std::vector<std::u16string> lines = splitClicheLines(host.clicheText());
    // Text on line 101 or later gives up at once, before any line is tested.
    if (std::any_of(lines.begin() + std::ptrdiff_t(std::min(lines.size(), kMaxLayoutLines)), lines.end(),
                    [](const std::u16string &line) { return !line.empty(); }))
        return LayoutOutcome::Abandoned;

    const std::size_t testedLines = std::min(lines.size(), kMaxLayoutLines);
    for (std::size_t i = 0; i < testedLines; ++i) {
        if (lines[i].size() > width) {
            // The text stays as typed, so the user can mend the one long line.
            host.showMessage(kLineTooLongMessage);
            return LayoutOutcome::Rejected;
        }
    }
    if (lines.size() > kMaxLayoutLines)
        return LayoutOutcome::Abandoned;

    std::u16string laidOut;
    laidOut.reserve(lines.size() * (width + 2));
    for (const std::u16string &line : lines) {
        laidOut.append(centringSpaces(line.size(), width), u' ');
        laidOut += line;
        laidOut += u"\r\n";
    }
    host.setScratchText(laidOut);
    host.setClicheText(host.scratchText());
    host.setScratchText({});
    return LayoutOutcome::LaidOut;
}

} // namespace pelmark
