#include "conversion_run.h"

#include "catalogue.h"
#include "conversion_host.h"
#include "simple_upper.h"

namespace pelmark {

void appendTokens(std::u16string &out, std::u16string_view text, const ModelEntry &model)
{
    const CodeTable &table = model.table();
    // Most tokens are a few characters long; reserving avoids regrowing a large listing.
    out.reserve(out.size() + text.size() * 5 + model.marker.size());
    for (char16_t c : text) {
        if (model.upperCase)
            c = simpleUpper(c);
        if (c == u'\r') {
            out += u"\r\n";
        } else if (c == u'\n') {
            out += model.marker;
        } else {
            const std::u16string_view token = table.lookup(c);
            out += token.empty() ? kFallbackToken : token;
        }
    }
}

LayoutOutcome runConversion(const ModelEntry &model, ConversionHost &host)
{
    const std::u16string echo = host.clicheText();
    const bool hasTarget = host.findTargetDocument();
    if (hasTarget) {
        std::u16string heading;
        heading.reserve(model.heading.size() + echo.size() + model.marker.size() + 4);
        heading.append(model.heading).append(u"\r\n").append(echo).append(u"\r\n").append(model.marker);
        host.setDocumentText(heading);
    }

    const LayoutOutcome outcome = layOutCliche(host, model.width);
    if (outcome == LayoutOutcome::Rejected || !hasTarget)
        return outcome;

    // The tokens go in with one write, which leaves the document as a write per token would.
    std::u16string listing = host.documentText();
    appendTokens(listing, host.clicheText(), model);
    host.setDocumentText(listing);
    return outcome;
}

} // namespace pelmark
