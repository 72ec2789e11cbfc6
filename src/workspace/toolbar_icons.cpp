#include "toolbar_icons.h"

#include <QPainter>
#include <QPixmap>

namespace pelmark::workspace {
namespace {

void drawLines(QPainter &p, int indentFirst, int indentOthers, bool right, bool centre)
{
    for (int row = 0; row < 4; ++row) {
        const int length = row % 2 ? 8 : 12;
        const int x = centre ? (16 - length) / 2 : right ? 14 - length : 2;
        p.drawLine(x + (row ? indentOthers : indentFirst), 3 + row * 3, x + length - 1, 3 + row * 3);
    }
}

QPixmap drawn(const QString &key)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    QFont font = p.font();
    font.setPixelSize(12);
    if (key == QLatin1String("Align Left")) {
        drawLines(p, 0, 0, false, false);
    } else if (key == QLatin1String("Center")) {
        drawLines(p, 0, 0, false, true);
    } else if (key == QLatin1String("Align Right")) {
        drawLines(p, 0, 0, true, false);
    } else if (key == QLatin1String("Bold") || key == QLatin1String("Italic") ||
               key == QLatin1String("Underline")) {
        font.setBold(key == QLatin1String("Bold"));
        font.setItalic(key == QLatin1String("Italic"));
        font.setUnderline(key == QLatin1String("Underline"));
        font.setPixelSize(13);
        p.setFont(font);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter,
                   key.left(1) == QLatin1String("U") ? "U" : key.left(1));
    } else {
        // Documents and clipboard commands: a sheet with a mark of the command.
        p.setBrush(Qt::white);
        p.drawRect(3, 1, 10, 14);
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(3, 2, 11, 13), Qt::AlignCenter, key.left(key == QLatin1String("Paste") ? 2 : 1));
    }
    return pixmap;
}

} // namespace

QIcon toolbarIcon(const char *key, const char *themeName)
{
    const QString name = QLatin1String(themeName);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return QIcon(drawn(QLatin1String(key)));
}

} // namespace pelmark::workspace
