#pragma once

#include <string>
#include <string_view>

namespace pelmark {

// What a conversion needs of its surroundings. The windowed program implements it on the input
// window and the active document; the command-line converter and the tests on plain strings.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    virtual std::u16string clicheText() = 0;
    virtual void setClicheText(std::u16string_view text) = 0;

    // The layout's work string; empty between layouts.
    virtual std::u16string scratchText() = 0;
    virtual void setScratchText(std::u16string_view text) = 0;

    // Whether there is a document to receive the listing. Asked once per run.
    virtual bool findTargetDocument() = 0;
    virtual std::u16string documentText() = 0;
    virtual void setDocumentText(std::u16string_view text) = 0;

    // A modal message with an OK button.
    virtual void showMessage(std::u16string_view text) = 0;
};

} // namespace pelmark
