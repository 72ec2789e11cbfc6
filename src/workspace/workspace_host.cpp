#include "workspace_host.h"

#include "cliche_input_window.h"
#include "common_dialog.h"
#include "document_window.h"
#include "qt_text.h"
#include "rich_text_box.h"
#include "workspace.h"

namespace pelmark::workspace {

std::u16string WorkspaceHost::clicheText()
{
    return toU16String(m_workspace.clicheWindow().text());
}
void WorkspaceHost::setClicheText(std::u16string_view text)
{
    m_workspace.clicheWindow().setText(toQString(text));
}
std::u16string WorkspaceHost::scratchText()
{
    return toU16String(m_workspace.clicheWindow().scratchText());
}
void WorkspaceHost::setScratchText(std::u16string_view text)
{
    m_workspace.clicheWindow().setScratchText(toQString(text));
}

bool WorkspaceHost::findTargetDocument()
{
    m_document = m_workspace.activeDocument();
    if (!m_document)
        m_document = m_workspace.newNumberedDocument();
    return m_document != nullptr;
}

std::u16string WorkspaceHost::documentText()
{
    return m_document ? toU16String(m_document->textBox()->text()) : u"";
}

void WorkspaceHost::setDocumentText(std::u16string_view text)
{
    if (m_document)
        m_document->textBox()->setText(toQString(text));
}

void WorkspaceHost::showMessage(std::u16string_view text)
{
    m_workspace.dialog().message(toQString(text));
}

} // namespace pelmark::workspace
