#include <gtest/gtest.h>

#include <QLineF>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "board_geometry.h"
#include "target_rects.h"

namespace {

using board::Ring;
using board::Spot;

const char* ring_name(Ring ring) {
    switch (ring) {
        case Ring::DoubleBull: return "DoubleBull";
        case Ring::Bull: return "Bull";
        case Ring::InnerSingle: return "InnerSingle";
        case Ring::Triple: return "Triple";
        case Ring::OuterSingle: return "OuterSingle";
        case Ring::Double: return "Double";
        case Ring::Outside: return "Outside";
    }
    return "?";
}

std::string describe(const Spot& spot) {
    return std::to_string(spot.number) + " " + ring_name(spot.ring);
}

// A point at the given distance from the centre, degrees clockwise from straight up.
QPointF polar(double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {board::kCentre + radius * std::sin(radians), board::kCentre - radius * std::cos(radians)};
}

Spot spot_of(QPointF point) { return board::spot_at(point.x(), point.y()); }

const QPointF kCentre(board::kCentre, board::kCentre);

// The point of the rectangle nearest to the board centre and the corner farthest from it: the
// whole rectangle lies in one ring exactly when both do.
QPointF nearest_point(const QRectF& r) {
    return {std::clamp(kCentre.x(), r.left(), r.right()), std::clamp(kCentre.y(), r.top(), r.bottom())};
}
QPointF farthest_corner(const QRectF& r) {
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    return *std::max_element(std::begin(corners), std::end(corners), [](QPointF a, QPointF b) {
        return QLineF(kCentre, a).length() < QLineF(kCentre, b).length();
    });
}

TEST(SpotAt, ReadsNumbersClockwiseFromTheTopAndRingsOutwards) {
    struct Case {
        double radius;
        double degrees;
        Spot expected;
    };
    const auto& r = board::kRadii;
    const Case cases[] = {
        {0, 0, {0, Ring::DoubleBull}},
        {(r.double_bull + r.bull) / 2, 123, {0, Ring::Bull}},
        {(r.bull + r.triple_inner) / 2, 0, {20, Ring::InnerSingle}},
        {(r.triple_inner + r.triple_outer) / 2, 18, {1, Ring::Triple}},
        {(r.triple_outer + r.double_inner) / 2, 90, {6, Ring::OuterSingle}},
        {(r.double_inner + r.double_outer) / 2, 180, {3, Ring::Double}},
        {(r.double_inner + r.double_outer) / 2, 270, {11, Ring::Double}},
        // Either side of the wire between 20 (top) and 5 (to its left).
        {(r.triple_outer + r.double_inner) / 2, -8.5, {20, Ring::OuterSingle}},
        {(r.triple_outer + r.double_inner) / 2, -9.5, {5, Ring::OuterSingle}},
        {(r.double_outer + r.numbers) / 2, 0, {0, Ring::Outside}},
    };
    for (const Case& c : cases) {
        const Spot spot = spot_of(polar(c.radius, c.degrees));
        EXPECT_EQ(describe(spot), describe(c.expected)) << "radius " << c.radius << ", " << c.degrees << " degrees";
    }
}

TEST(TargetGeometry, ThereAreSixtyTwoDistinctTargets) {
    const auto targets = all_targets();
    QSet<QString> names;
    for (const TargetRect& t : targets) names.insert(t.name);
    EXPECT_EQ(targets.size(), 62u);
    EXPECT_EQ(names.size(), 62);
}

TEST(TargetGeometry, EachTargetCentreLiesOnItsOwnSegmentAndRing) {
    for (const TargetRect& t : all_targets()) {
        EXPECT_EQ(describe(spot_of(t.rect.center())), describe(t.spot)) << t.name.toStdString();
    }
}

// A click near the edge of a button still lands on the button's own spot: the spot holds for
// a few pixels round the centre in every direction.
TEST(TargetGeometry, EachTargetCentreHasMarginToItsSpotsEdges) {
    constexpr double kMargin = 3.0;
    for (const TargetRect& t : all_targets()) {
        if (t.name == "dbl_bull") continue;  // 9 x 9 pixels, checked whole below
        for (int step = 0; step < 16; ++step) {
            const double angle = step * std::numbers::pi / 8;
            const QPointF probe = t.rect.center() + kMargin * QPointF(std::cos(angle), std::sin(angle));
            EXPECT_EQ(describe(spot_of(probe)), describe(t.spot)) << t.name.toStdString() << " step " << step;
        }
    }
}

TEST(TargetGeometry, EachWholeTargetLiesInsideItsOwnRing) {
    for (const TargetRect& t : all_targets()) {
        EXPECT_EQ(ring_name(spot_of(nearest_point(t.rect)).ring), ring_name(t.spot.ring)) << t.name.toStdString();
        EXPECT_EQ(ring_name(spot_of(farthest_corner(t.rect)).ring), ring_name(t.spot.ring)) << t.name.toStdString();
    }
}

TEST(TargetGeometry, NumbersStandOutsideTheDoubleTargetsAndInsideThePicture) {
    double outermost_target = 0;
    for (const TargetRect& t : all_targets()) {
        outermost_target = std::max(outermost_target, QLineF(kCentre, farthest_corner(t.rect)).length());
    }
    const auto& r = board::kRadii;
    // The digits reach about 10 pixels either side of the radius they stand at.
    EXPECT_GT(r.numbers - 10, std::max(outermost_target, r.double_outer));
    EXPECT_LT(r.numbers + 10, r.surround);
    EXPECT_LE(r.surround, board::kPictureSize / 2.0);
}

}  // namespace
