#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one place where the core's UTF-16 strings meet QString, and where the cliche's CR LF line
// ends meet the '\n' that Qt's text boxes hold.
namespace pelmark {

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline std::u16string toU16String(const QString &text)
{
    return text.toStdU16String();
}

// CR LF and a lone CR become '\n', as a QTextDocument holds line ends.
inline QString toLfLineEnds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// '\n' becomes CR LF, as the cliche and the listing hold line ends.
inline QString toCrLfLineEnds(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace pelmark
