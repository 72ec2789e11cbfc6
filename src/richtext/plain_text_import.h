#pragma once

#include <QByteArrayView>
#include <QString>

namespace pelmark::richtext {

// The text of a file that is not RTF: UTF-8 with or without a BOM, UTF-16 with a BOM, otherwise
// Windows-1251. Line ends of any kind become '\n'.
QString decodePlainText(QByteArrayView bytes);

} // namespace pelmark::richtext
