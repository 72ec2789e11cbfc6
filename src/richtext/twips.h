#pragma once

#include <QtGlobal>

namespace pelmark {

// Window positions and sizes are kept in twips, 1440 to the inch, and converted with the
// screen's logical resolution.
constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double dotsPerInch)
{
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}
inline double pixelsToTwips(int pixels, double dotsPerInch)
{
    return pixels * kTwipsPerInch / dotsPerInch;
}

} // namespace pelmark
