#pragma once

#include <QFont>
#include <QRect>

// Places and sizes of the layout are written in twips, 15 to a logical pixel, so Qt's
// high-DPI scaling applies to the whole window.
constexpr int twips_to_px(int twips) { return (twips >= 0 ? twips + 7 : twips - 7) / 15; }

inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_px(left), twips_to_px(top), twips_to_px(width), twips_to_px(height));
}

// The faces the layout names, each asked for with a metric-compatible fallback.
enum class Face { TimesNewRoman, Arial, MsSansSerif };

QFont ui_font(Face face, double points, bool bold = true, bool italic = false);
