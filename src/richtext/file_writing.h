#pragma once

#include <QByteArray>
#include <QString>

namespace pelmark::richtext {

// Writes `bytes` to `path` so that a failure never leaves a truncated file: a regular file is
// replaced atomically; an existing device or pipe (/dev/stdout, /dev/full) is written in place.
// On failure returns false and says why in `error`.
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error);

} // namespace pelmark::richtext
