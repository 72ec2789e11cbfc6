#pragma once

#include <QIcon>

namespace pelmark::workspace {

// The 16 by 16 picture of a toolbar button: the desktop's icon theme where it has one, a simple
// drawing of our own where it does not.
QIcon toolbarIcon(const char *key, const char *themeName);

// Whether a button key has a picture of our own for desktops without an icon theme.
bool hasDrawnPicture(const char *key);

} // namespace pelmark::workspace
