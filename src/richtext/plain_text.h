#pragma once

#include <QString>
#include <QTextDocument>

namespace pelmark::richtext {

// A document's text with its paragraphs and line breaks joined by CR LF. Unlike
// QTextDocument::toPlainText it keeps no-break spaces as they are.
inline QString crLfText(const QString &rawText)
{
    QString text;
    text.reserve(rawText.size() + rawText.size() / 16);
    for (QChar c : rawText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            text += QLatin1String("\r\n");
        else if (c != QChar::ObjectReplacementCharacter)
            text += c;
    }
    return text;
}

inline QString crLfText(const QTextDocument &document)
{
    return crLfText(document.toRawText());
}

} // namespace pelmark::richtext
