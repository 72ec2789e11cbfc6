#pragma once

#include <QByteArrayView>
#include <QString>

class QTextCursor;
class QTextDocument;

namespace pelmark::richtext {

// Whether `bytes` open like an RTF file: "{\rtf", after white space at most.
bool looksLikeRtf(QByteArrayView bytes);

// Reads RTF as real programs write it, and as damaged files hold it: never fails, never recurses
// on the input's nesting, reads every file as far as it makes sense.
class RtfReader final {
public:
    // Replaces the whole document with the RTF's text and formatting.
    static void load(QByteArrayView rtf, QTextDocument &document);
    // Inserts the RTF's text and formatting at the cursor, replacing its selection.
    static void insert(QByteArrayView rtf, QTextCursor &cursor);
    // The RTF's plain text, paragraphs joined by CR LF.
    static QString plainText(QByteArrayView rtf);
};

} // namespace pelmark::richtext
