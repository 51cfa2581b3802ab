#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPixmap>
#include <cmath>
#include <numbers>

#include "artwork.h"
#include "board_geometry.h"
#include "qt_app.h"
#include "target_rects.h"

namespace {

using board::Ring;

enum class Shade { Black, Cream, Red, Green, White, Other };

const char* shade_name(Shade s) {
    switch (s) {
        case Shade::Black: return "black";
        case Shade::Cream: return "cream";
        case Shade::Red: return "red";
        case Shade::Green: return "green";
        case Shade::White: return "white";
        case Shade::Other: return "other";
    }
    return "?";
}

// Sorts a pixel into the few colours a dart board is made of, loosely enough to allow any
// reasonable tone of each.
Shade shade_of(QColor c) {
    const int r = c.red(), g = c.green(), b = c.blue();
    if (r < 60 && g < 60 && b < 60) return Shade::Black;
    if (r > 235 && g > 235 && b > 235) return Shade::White;
    if (r > 200 && g > 190 && b > 130 && b < r - 25) return Shade::Cream;
    if (r > 140 && g < 90 && b < 90) return Shade::Red;
    if (g > 100 && r < 90 && b < 120) return Shade::Green;
    return Shade::Other;
}

// The colour a target's ring shows on a standard board: 20 (the first number clockwise from
// the top) is a black segment with red rings, and the colours alternate round the board.
Shade expected_shade(const board::Spot& spot) {
    if (spot.ring == Ring::DoubleBull) return Shade::Red;
    if (spot.ring == Ring::Bull) return Shade::Green;
    const auto& order = board::kSegmentOrder;
    const auto slot = std::find(order.begin(), order.end(), spot.number) - order.begin();
    const bool dark = slot % 2 == 0;
    if (spot.ring == Ring::Triple || spot.ring == Ring::Double) return dark ? Shade::Red : Shade::Green;
    return dark ? Shade::Black : Shade::Cream;
}

class BoardPicture : public ::testing::TestWithParam<qreal> {
protected:
    void SetUp() override { ensure_gui_application(); }
    // The colour at a point given in logical pixels.
    static QColor at(const QImage& image, QPointF logical, qreal ratio) {
        return image.pixelColor(int(logical.x() * ratio), int(logical.y() * ratio));
    }
};

TEST_P(BoardPicture, HasTheLogicalSizeAtTheRequestedResolution) {
    const qreal ratio = GetParam();
    const QPixmap picture = board_picture(ratio);
    EXPECT_EQ(picture.width(), qRound(board::kPictureSize * ratio));
    EXPECT_EQ(picture.height(), qRound(board::kPictureSize * ratio));
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(board::kPictureSize, board::kPictureSize));
}

// Under every target the picture shows the colour of that target's ring and segment.
TEST_P(BoardPicture, ShowsTheRingColourUnderEveryTarget) {
    const qreal ratio = GetParam();
    const QImage image = board_picture(ratio).toImage();
    for (const TargetRect& t : all_targets()) {
        EXPECT_STREQ(shade_name(shade_of(at(image, t.rect.center(), ratio))), shade_name(expected_shade(t.spot)))
            << t.name.toStdString() << " colour " << at(image, t.rect.center(), ratio).name().toStdString();
    }
}

TEST_P(BoardPicture, HasABlackSurroundAndWhiteCorners) {
    const qreal ratio = GetParam();
    const QImage image = board_picture(ratio).toImage();
    const QPointF centre(board::kCentre, board::kCentre);
    const auto& r = board::kRadii;
    // Between the double ring and the numbers, and between the numbers.
    for (double degrees : {0.0, 9.0, 99.0, 279.0}) {
        const double radians = degrees * std::numbers::pi / 180.0;
        const double radius = degrees == 0.0 ? (r.double_outer + r.numbers) / 2 - 3 : r.numbers;
        const QPointF point = centre + radius * QPointF(std::sin(radians), -std::cos(radians));
        EXPECT_STREQ(shade_name(shade_of(at(image, point, ratio))), "black") << degrees << " degrees";
    }
    for (QPointF corner : {QPointF(1, 1), QPointF(423.5, 1), QPointF(1, 423.5), QPointF(423.5, 423.5)}) {
        EXPECT_STREQ(shade_name(shade_of(at(image, corner, ratio))), "white");
    }
}

// The numbers are white, each on its own spot round the outside, and none reaches into the
// double ring.
TEST_P(BoardPicture, PrintsEveryNumberInWhiteOnTheSurround) {
    const qreal ratio = GetParam();
    const QImage image = board_picture(ratio).toImage();
    const QPointF centre(board::kCentre, board::kCentre);
    const auto& r = board::kRadii;
    std::array<int, 20> white_in_slot{};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPointF logical((x + 0.5) / ratio, (y + 0.5) / ratio);
            const double radius = QLineF(centre, logical).length();
            if (radius >= r.surround - 1 || shade_of(image.pixelColor(x, y)) != Shade::White) continue;
            ASSERT_GT(radius, r.double_outer + 2) << "white at " << x << "," << y;
            double degrees = std::atan2(logical.x() - centre.x(), centre.y() - logical.y()) * 180 / std::numbers::pi;
            const int slot = int(std::floor((degrees + 369.0) / 18.0)) % 20;
            ++white_in_slot[slot];
        }
    }
    for (int slot = 0; slot < 20; ++slot) {
        EXPECT_GT(white_in_slot[slot], 10) << "no number " << board::kSegmentOrder[slot];
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, BoardPicture, ::testing::Values(1.0, 2.0, 1.5));

}  // namespace
