#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "artwork.h"
#include "qt_app.h"

namespace {

int opaque_pixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y).alpha() > 128;
    return count;
}

class Icons : public ::testing::TestWithParam<QIcon (*)()> {
protected:
    void SetUp() override { ensure_gui_application(); }
};

TEST_P(Icons, HoldDrawnImagesOfThirtyTwoAndSixteenPixels) {
    const QIcon icon = GetParam()();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    for (int side : {32, 16}) {
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        // Something is drawn, and it leaves some of the square clear.
        const int opaque = opaque_pixels(image);
        EXPECT_GT(opaque, side * side / 8) << side;
        EXPECT_LT(opaque, side * side) << side;
    }
}

INSTANTIATE_TEST_SUITE_P(Both, Icons, ::testing::Values(&program_icon, &dart_icon),
                         [](const auto& info) { return info.index == 0 ? "program_icon" : "dart_icon"; });

}  // namespace
