#pragma once

#include "conversion_host.h"

#include <string>
#include <vector>

namespace pelmark {

// A conversion host over plain strings, for the command-line converter and the tests.
class StringConversionHost final : public ConversionHost {
public:
    std::u16string cliche;
    std::u16string scratch;
    std::u16string document;
    bool hasDocument = true;
    std::vector<std::u16string> messages;

    std::u16string clicheText() override { return cliche; }
    void setClicheText(std::u16string_view text) override { cliche = text; }
    std::u16string scratchText() override { return scratch; }
    void setScratchText(std::u16string_view text) override { scratch = text; }
    bool findTargetDocument() override { return hasDocument; }
    std::u16string documentText() override { return document; }
    void setDocumentText(std::u16string_view text) override { document = text; }
    void showMessage(std::u16string_view text) override { messages.emplace_back(text); }
};

} // namespace pelmark
