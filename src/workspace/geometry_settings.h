#pragma once

#include <QRect>

class QSettings;
class QWidget;

namespace pelmark::workspace {

// The main window's position and size in the per-user settings: group "Settings", keys
// "MainLeft", "MainTop", "MainWidth", "MainHeight", each the decimal text of a number of twips.
class GeometrySettings final {
public:
    explicit GeometrySettings(QSettings &settings) : m_settings(settings) {}

    // Reads the four values, each falling back to its default when absent or not a number, and
    // applies them in order; a window that would lie outside every screen goes onto the primary.
    void restore(QWidget &window);
    // Once the window is shown and its frame known, gives the frame the restored outer size.
    void applyFrame(QWidget &window) const;
    // Writes the window's outer position and size, unless it is minimized.
    void store(const QWidget &window);

private:
    QSettings &m_settings;
    QRect m_restoredFrame;
};

} // namespace pelmark::workspace
