#include "board_geometry.h"

#include <cmath>
#include <numbers>

namespace board {

// Sized to the hit targets of the main window: the bull button (15.5 to 35.1 from the centre)
// lies wholly in the bull ring, the triple buttons (69.1 to 93.5) in the triple ring, the single
// buttons (95.5 to 141.8) in the outer single area and the double buttons (149.6 to 176.0) in
// the double ring; the numbers stand on the surround beyond the double ring.
const Radii kRadii = {
    .double_bull = 9.0,
    .bull = 38.0,
    .triple_inner = 67.0,
    .triple_outer = 94.5,
    .double_inner = 145.5,
    .double_outer = 178.0,
    .numbers = 196.0,
    .surround = 212.0,
};

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
