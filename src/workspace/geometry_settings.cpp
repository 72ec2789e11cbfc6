#include "geometry_settings.h"

#include "settings_names.h"
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace pelmark::workspace {
namespace {

struct GeometryKey {
    const char *name;
    double defaultTwips;
};

enum Edge { Left, Top, Width, Height };
constexpr std::array<GeometryKey, 4> kKeys{{
    {"MainLeft", 1000},
    {"MainTop", 1000},
    {"MainWidth", 6500},
    {"MainHeight", 6500},
}};

QScreen *screenOf(const QWidget &window)
{
    QScreen *screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

double dpiX(const QWidget &window)
{
    return screenOf(window) ? screenOf(window)->logicalDotsPerInchX() : 96;
}
double dpiY(const QWidget &window)
{
    return screenOf(window) ? screenOf(window)->logicalDotsPerInchY() : 96;
}

bool onSomeScreen(const QRect &frame)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(frame))
            return true;
    }
    return QGuiApplication::screens().isEmpty();
}

} // namespace

void GeometrySettings::restore(QWidget &window)
{
    m_settings.beginGroup(kSettingsGroup);
    QRect frame = window.frameGeometry();
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        bool ok = false;
        double twips = m_settings.value(QLatin1String(kKeys[i].name)).toString().toDouble(&ok);
        if (!ok || !std::isfinite(twips) || std::abs(twips) > 1e7)
            twips = kKeys[i].defaultTwips;
        const bool horizontal = i == Left || i == Width;
        const int pixels = twipsToPixels(twips, horizontal ? dpiX(window) : dpiY(window));
        switch (i) {
        case Left: frame.moveLeft(pixels); break;
        case Top: frame.moveTop(pixels); break;
        case Width: frame.setWidth(std::max(pixels, 1)); break;
        case Height: frame.setHeight(std::max(pixels, 1)); break;
        }
    }
    m_settings.endGroup();

    if (!onSomeScreen(frame) && QGuiApplication::primaryScreen())
        frame.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    m_restoredFrame = frame;
    applyFrame(window);
}

void GeometrySettings::applyFrame(QWidget &window) const
{
    if (m_restoredFrame.isNull())
        return;
    // Qt places the frame but sizes the client area; the frame's own margins make the difference.
    const QSize margins = window.frameGeometry().size() - window.geometry().size();
    window.move(m_restoredFrame.topLeft());
    window.resize(m_restoredFrame.size() - margins);
}

void GeometrySettings::store(const QWidget &window)
{
    if (window.isMinimized())
        return;
    const QRect frame = window.frameGeometry();
    const double values[] = {
        pixelsToTwips(frame.left(), dpiX(window)), pixelsToTwips(frame.top(), dpiY(window)),
        pixelsToTwips(frame.width(), dpiX(window)), pixelsToTwips(frame.height(), dpiY(window))};
    m_settings.beginGroup(kSettingsGroup);
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        m_settings.setValue(QLatin1String(kKeys[i].name), QString::number(values[i], 'g', 9));
    m_settings.endGroup();
    m_settings.sync();
}

} // namespace pelmark::workspace
