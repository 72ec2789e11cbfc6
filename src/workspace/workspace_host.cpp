#include "workspace_host.h"

#include "cliche_input_window.h"
#include "common_dialog.h"
#include "document_window.h"
#include "main_window.h"
#include "rich_text_box.h"

namespace pelmark::workspace {
namespace {

QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}
std::u16string toU16(const QString &text)
{
    return text.toStdU16String();
}

} // namespace

std::u16string WorkspaceHost::clicheText()
{
    return toU16(m_main.inputWindow(true)->text());
}
void WorkspaceHost::setClicheText(std::u16string_view text)
{
    m_main.inputWindow(true)->setText(toQString(text));
}
std::u16string WorkspaceHost::scratchText()
{
    return toU16(m_main.inputWindow(true)->RtfTemp);
}
void WorkspaceHost::setScratchText(std::u16string_view text)
{
    m_main.inputWindow(true)->RtfTemp = toQString(text);
}

bool WorkspaceHost::findTargetDocument()
{
    m_document = m_main.activeDocument();
    if (!m_document)
        m_document = m_main.NewNumberedDocument();
    return m_document != nullptr;
}

std::u16string WorkspaceHost::documentText()
{
    return m_document ? toU16(m_document->rtfText()->Text()) : u"";
}

void WorkspaceHost::setDocumentText(std::u16string_view text)
{
    if (m_document)
        m_document->rtfText()->setText(toQString(text));
}

void WorkspaceHost::showMessage(std::u16string_view text)
{
    m_main.dialog().message(toQString(text));
}

} // namespace pelmark::workspace
