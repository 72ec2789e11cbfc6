#pragma once

#include <QByteArray>

class QTextDocument;

namespace pelmark::richtext {

// Writes a document, or the part of it between two positions, as RTF that old and new readers
// take alike: Windows-1251 as the document's code page, every character outside ASCII as \uN with
// its Windows-1251 byte as the fallback. The same document always gives the same bytes.
class RtfWriter final {
public:
    static QByteArray write(const QTextDocument &document);
    static QByteArray write(const QTextDocument &document, int start, int end);
};

} // namespace pelmark::richtext
