#pragma once

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace pelmark {

// Lines as a text box displays them: a wrapped paragraph counts once per line, an empty one and
// an empty box once.
inline int displayedLineCount(const QTextDocument &document)
{
    document.documentLayout()->documentSize(); // finishes any pending layout
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        lines += std::max(layout ? layout->lineCount() : 1, 1);
    }
    return lines;
}

} // namespace pelmark
