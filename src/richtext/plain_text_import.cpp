#include "plain_text_import.h"

#include <QStringDecoder>

namespace pelmark::richtext {

QString decodePlainText(QByteArrayView bytes)
{
    QString text;
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom, QStringConverter::Flag::Stateless);
        text = decoder.decode(bytes);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            QStringDecoder windows1251("windows-1251", QStringConverter::Flag::Stateless);
            text = windows1251.decode(bytes);
        }
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace pelmark::richtext
