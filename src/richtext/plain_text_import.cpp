#include "plain_text_import.h"

#include "qt_text.h"
#include "text_encoding.h"

namespace pelmark::richtext {

QString decodePlainText(QByteArrayView bytes)
{
    const std::string_view view(bytes.data(), std::size_t(bytes.size()));
    return toLfLineEnds(toQString(encoding::decodeText(view)));
}

} // namespace pelmark::richtext
