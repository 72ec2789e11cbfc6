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

// The character count the status bars show, as the register's own tools count it: each of the
// displayed lines but the first is taken to start after a CR LF pair, so a text of `length`
// characters on `lines` displayed lines counts length - 2 * lines + 2. Wrapped lines therefore
// lower the count, and it can go below zero.
inline int statusCharacterCount(qsizetype length, int lines)
{
    return int(length) - 2 * lines + 2;
}

} // namespace pelmark
