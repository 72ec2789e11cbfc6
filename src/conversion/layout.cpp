#include "layout.h"

#include "conversion_host.h"

#include <algorithm>
#include <string>

namespace pelmark {

ClicheLines splitClicheLines(std::u16string_view text, std::size_t keep)
{
    ClicheLines split;
    split.lines.reserve(std::min<std::size_t>(keep, kMaxLayoutLines + 1));
    split.lines.emplace_back();
    for (char16_t c : text) {
        if (c == u'\r') {
            if (++split.count <= keep)
                split.lines.emplace_back();
        } else if (c != u'\n') {
            if (split.count > keep) {
                split.textBeyondKept = true;
                break;
            }
            split.lines.back() += c;
        }
    }
    return split;
}

LayoutOutcome layOutCliche(ConversionHost &host, std::size_t width)
{
    const ClicheLines split = splitClicheLines(host.clicheText(), kMaxLayoutLines);
    // Text on line 101 or later gives up at once, before any line is tested.
    if (split.textBeyondKept)
        return LayoutOutcome::Abandoned;

    const std::vector<std::u16string> &lines = split.lines;
    for (const std::u16string &line : lines) {
        if (line.size() > width) {
            // The text stays as typed, so the user can mend the one long line.
            host.showMessage(kLineTooLongMessage);
            return LayoutOutcome::Rejected;
        }
    }
    if (split.count > kMaxLayoutLines)
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
