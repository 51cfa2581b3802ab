#pragma once

#include <array>

// The one description of the board's shape: the order of the numbers and the radii of the
// rings, in logical pixels from the centre of the 425 x 425 picture. The hit targets of the
// main window lie over these rings, so the rings are sized to the targets, not to tournament
// proportions.
namespace board {

inline constexpr int kPictureSize = 425;
inline constexpr double kCentre = 212.5;

// Clockwise from the top.
inline constexpr std::array<int, 20> kSegmentOrder = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17,
                                                      3, 19, 7, 16, 8, 11, 14, 9, 12, 5};

enum class Ring { DoubleBull, Bull, InnerSingle, Triple, OuterSingle, Double, Outside };

struct Radii {
    double double_bull;
    double bull;
    double triple_inner;
    double triple_outer;
    double double_inner;
    double double_outer;
    double numbers;   // where the middles of the numbers round the outside stand
    double surround;  // the outer edge of the black surround that carries the numbers
};
extern const Radii kRadii;

struct Spot {
    int number;  // 1..20, 0 for the bull rings and outside the board
    Ring ring;
};

// What a point of the picture (logical pixels from its top-left corner) lies on.
Spot spot_at(double x, double y);

}  // namespace board
