#include "file_writing.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pelmark::richtext {

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QFileDevice &file) {
        if (error)
            *error = file.errorString();
        return false;
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
            return fail(file);
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(file);
    return true;
}

} // namespace pelmark::richtext
