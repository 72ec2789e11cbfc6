#pragma once

#include "conversion_host.h"

namespace pelmark::workspace {

class Workspace;
class DocumentWindow;

// A conversion's surroundings in the windowed program: the cliche is the input window's text,
// created hidden when needed; the listing goes into the active document, or into a new numbered
// document when none is open; messages go through the dialog object.
class WorkspaceHost final : public ConversionHost {
public:
    explicit WorkspaceHost(Workspace &workspace) : m_workspace(workspace) {}

    std::u16string clicheText() override;
    void setClicheText(std::u16string_view text) override;
    std::u16string scratchText() override;
    void setScratchText(std::u16string_view text) override;
    bool findTargetDocument() override;
    std::u16string documentText() override;
    void setDocumentText(std::u16string_view text) override;
    void showMessage(std::u16string_view text) override;

private:
    Workspace &m_workspace;
    DocumentWindow *m_document = nullptr;
};

} // namespace pelmark::workspace
