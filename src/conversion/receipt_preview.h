#pragma once

#include "layout.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

struct ModelEntry;

// One line of the receipt as the register prints it.
struct PreviewLine {
    std::u16string text;          // centred when it fits and the text is laid out; else as typed
    std::size_t indent = 0;       // the centring spaces in front of the typed line
    std::size_t length = 0;       // characters of the line as typed
    std::size_t overflow = 0;     // characters too many for the model's width; 0 when it fits
    std::vector<std::size_t> uncoded; // positions in `text` that the chart codes as "rus?_"
};

// The cliche as it will print on one model, without touching the cliche, a document or a
// conversion.
struct ReceiptPreview {
    LayoutOutcome outcome;  // what a conversion's layout would do with the text
    std::size_t width;      // the model's line width
    std::vector<PreviewLine> lines;

    bool fits() const { return outcome != LayoutOutcome::Rejected; }
};

// The receipt lines of `cliche` on `model`: lines that fit are centred exactly as the layout
// centres them once every line fits, a line too long is shown as typed, and models that code
// small letters as capitals show capitals. Over 100 lines, as a conversion codes it: as typed.
ReceiptPreview previewReceipt(std::u16string_view cliche, const ModelEntry &model);

} // namespace pelmark
