#include "board_geometry.h"

#include <cmath>
#include <numbers>

namespace board {

const Radii kRadii = {7.5, 36.0, 70.0, 93.0, 150.0, 173.0, 192.0};

Spot spot_at(double x, double y) {
    const double dx = x - kCentre;
    const double dy = y - kCentre;
    const double r = std::hypot(dx, dy);
    if (r <= kRadii.double_bull) return {0, Ring::DoubleBull};
    if (r <= kRadii.bull) return {0, Ring::Bull};
    if (r > kRadii.double_outer) return {0, Ring::Outside};
    // Angle clockwise from straight up; each segment spans 18 degrees centred on its number.
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    const int slot = static_cast<int>(std::floor((degrees + 9.0) / 18.0)) % 20;
    const int number = kSegmentOrder[slot];
    if (r <= kRadii.triple_inner) return {number, Ring::InnerSingle};
    if (r <= kRadii.triple_outer) return {number, Ring::Triple};
    if (r <= kRadii.double_inner) return {number, Ring::OuterSingle};
    return {number, Ring::Double};
}

}  // namespace board
