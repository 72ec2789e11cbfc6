#include "receipt_preview.h"

#include "catalogue.h"
#include "simple_upper.h"
#include "string_host.h"

namespace pelmark {
namespace {

// What a conversion's layout does with the text, asked of the layout itself on a copy.
LayoutOutcome layoutOutcome(std::u16string_view cliche, std::size_t width)
{
    StringConversionHost copy;
    copy.cliche = cliche;
    return layOutCliche(copy, width);
}

PreviewLine previewLine(std::u16string typed, const ModelEntry &model, bool centre)
{
    PreviewLine line;
    line.length = typed.size();
    line.overflow = typed.size() > model.width ? typed.size() - model.width : 0;
    line.indent = centre && line.overflow == 0 ? centringSpaces(typed.size(), model.width) : 0;
    line.text.assign(line.indent, u' ');
    line.text += typed;
    const CodeTable &table = model.table();
    for (std::size_t i = 0; i < line.text.size(); ++i) {
        char16_t &c = line.text[i];
        if (model.upperCase)
            c = simpleUpper(c);
        if (table.lookup(c).empty())
            line.uncoded.push_back(i);
    }
    return line;
}

} // namespace

ReceiptPreview previewReceipt(std::u16string_view cliche, const ModelEntry &model)
{
    ReceiptPreview preview{layoutOutcome(cliche, model.width), model.width, {}};
    const bool centre = preview.outcome != LayoutOutcome::Abandoned;
    std::vector<std::u16string> lines = splitClicheLines(cliche).lines;
    preview.lines.reserve(lines.size());
    for (std::u16string &typed : lines)
        preview.lines.push_back(previewLine(std::move(typed), model, centre));
    return preview;
}

} // namespace pelmark
