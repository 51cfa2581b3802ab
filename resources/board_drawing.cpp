#include "board_drawing.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "board_geometry.h"

namespace {

using board::kCentre;
using board::kRadii;

const QColor kBlack(24, 24, 24);
const QColor kCream(240, 228, 188);
const QColor kRed(206, 32, 41);
const QColor kGreen(18, 138, 64);
const QColor kSurround(8, 8, 8);
const QColor kWire(196, 196, 204);

constexpr double kSegmentDegrees = 18.0;

// Angles in this file are measured as on the board: degrees clockwise from straight up.
QPointF on_board(double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {kCentre + radius * std::sin(radians), kCentre - radius * std::cos(radians)};
}

QRectF circle(double radius) {
    return {kCentre - radius, kCentre - radius, 2 * radius, 2 * radius};
}

// One ring's piece of one segment, between two radii.
QPainterPath annular_sector(double inner, double outer, double from_degrees, double to_degrees) {
    // Qt counts angles counter-clockwise from three o'clock.
    const double qt_start = 90.0 - to_degrees;
    const double span = to_degrees - from_degrees;
    QPainterPath path;
    path.arcMoveTo(circle(outer), qt_start);
    path.arcTo(circle(outer), qt_start, span);
    path.arcTo(circle(inner), qt_start + span, -span);
    path.closeSubpath();
    return path;
}

// Where wires are drawn over every edge they hide the steps of unsmoothed fills, which cost a
// fraction of smoothed ones: the picture is painted at start-up, before the first frame.
void paint_segments(QPainter& p, bool smooth) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, smooth);
    for (std::size_t slot = 0; slot < board::kSegmentOrder.size(); ++slot) {
        // 20, in slot 0, is a black segment with red rings; the colours alternate from there.
        const bool dark = slot % 2 == 0;
        const QColor& segment = dark ? kBlack : kCream;
        const QColor& ring = dark ? kRed : kGreen;
        const double from = slot * kSegmentDegrees - kSegmentDegrees / 2;
        const double to = from + kSegmentDegrees;
        p.fillPath(annular_sector(kRadii.bull, kRadii.triple_inner, from, to), segment);
        p.fillPath(annular_sector(kRadii.triple_inner, kRadii.triple_outer, from, to), ring);
        p.fillPath(annular_sector(kRadii.triple_outer, kRadii.double_inner, from, to), segment);
        p.fillPath(annular_sector(kRadii.double_inner, kRadii.double_outer, from, to), ring);
    }
    p.restore();
}

void paint_bulls(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(circle(kRadii.bull));
    p.setBrush(kRed);
    p.drawEllipse(circle(kRadii.double_bull));
}

void paint_wires(QPainter& p) {
    p.setPen(QPen(kWire, 0.9));
    p.setBrush(Qt::NoBrush);
    for (double radius : {kRadii.double_bull, kRadii.bull, kRadii.triple_inner, kRadii.triple_outer,
                          kRadii.double_inner, kRadii.double_outer}) {
        p.drawEllipse(circle(radius));
    }
    for (std::size_t slot = 0; slot < board::kSegmentOrder.size(); ++slot) {
        const double border = slot * kSegmentDegrees + kSegmentDegrees / 2;
        p.drawLine(on_board(kRadii.bull, border), on_board(kRadii.double_outer, border));
    }
}

void paint_numbers(QPainter& p) {
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(17);
    font.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(font);
    p.setPen(Qt::white);
    const QFontMetricsF metrics(font);
    for (std::size_t slot = 0; slot < board::kSegmentOrder.size(); ++slot) {
        const QString text = QString::number(board::kSegmentOrder[slot]);
        // Centre the digits' ink, not their line box, on the number's spot: digits stand on the
        // baseline and reach the capital height.
        const QPointF spot = on_board(kRadii.numbers, slot * kSegmentDegrees);
        p.drawText(spot + QPointF(-metrics.horizontalAdvance(text) / 2, metrics.capHeight() / 2), text);
    }
}

}  // namespace

void paint_board(QPainter& p, const BoardDrawingOptions& options) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kSurround);
    p.drawEllipse(circle(kRadii.surround));
    paint_segments(p, !options.wires);
    paint_bulls(p);
    if (options.wires) paint_wires(p);
    if (options.numbers) paint_numbers(p);
    p.restore();
}
