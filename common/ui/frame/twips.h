#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QWidget>
#include <cmath>

// Window layouts are designed in twips, 1440 to the logical inch.
namespace twips {

inline int toPixels(int twips, double dpi) { return int(std::lround(twips * dpi / 1440.0)); }

inline int toPixels(const QWidget* widget, int twips) {
    return toPixels(twips, widget->logicalDpiX());
}

// Places `widget` at a rectangle given in twips of its parent.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    const double dpi = widget->logicalDpiX();
    widget->setGeometry(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                        toPixels(height, dpi));
}

}  // namespace twips

// Where the face on this machine runs wider than the one the window was
// designed with (Arial Narrow is missing from many Windows machines, and
// Arial stands in), the widget's font shrinks by quarter points, from
// `points` down to 6 at most, until `text` fits its designed width.
inline void fitText(QWidget* widget, const QString& text, double points, int padding = 8) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    while (QFontMetrics(font).horizontalAdvance(text) + padding > widget->width() &&
           font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    widget->setFont(font);
}

// A face at a size in points, as the window designs give them.
inline QFont uiFont(const QString& face, double points, bool bold) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Shows a window of its own over the others, with the keyboard in it.
inline void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
