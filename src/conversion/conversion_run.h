#pragma once

#include "layout.h"

#include <string>
#include <string_view>

namespace pelmark {

class ConversionHost;
struct ModelEntry;

// Written for a character that the model's chart has no rule for.
inline constexpr std::u16string_view kFallbackToken = u"rus?_";

// Converts the cliche text into the listing for `model` in the host's target document: the
// heading, the text as typed and, after the layout, one token per character. Returns how the
// layout ended; after a rejection no token is written.
LayoutOutcome runConversion(const ModelEntry &model, ConversionHost &host);

// Appends to `out` the tokens of every character of `text`: CR LF for a CR, the marker for an
// LF, otherwise the chart's token or the fallback.
void appendTokens(std::u16string &out, std::u16string_view text, const ModelEntry &model);

} // namespace pelmark
