#pragma once

#include <QFont>

namespace pelmark::richtext {

// The font every document starts with: Courier New, 12 points. On Linux it resolves to a
// metric-compatible face (Liberation Mono), so listings line up as on the register's tape.
inline QFont documentFont()
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace pelmark::richtext
