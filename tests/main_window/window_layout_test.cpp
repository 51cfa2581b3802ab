// The window as it opens: controls, places, captions, fonts and what is on view.
#include <QAbstractButton>
#include <QLabel>

#include "window_fixture.h"

namespace {

struct Placement {
    const char* name;
    int left, top, width, height;  // twips, in the control's container
    const char* container;
};

const Placement kPlacements[] = {
    {"display", 6360, 0, 3375, 8415, "client_area"},
    {"round_num", 0, 0, 1455, 375, "client_area"},
    {"team_no", 4800, 0, 1575, 375, "client_area"},
    {"dart_num", 0, 6000, 1575, 375, "client_area"},
    {"play_chg", 5040, 5880, 1335, 495, "client_area"},
    {"Label1", 1800, 6360, 2685, 285, "client_area"},
    {"input_val", 6360, 1560, 3135, 2655, "client_area"},
    {"Label2", 225, 210, 2655, 1575, "input_val"},
    {"cricket_choice", 480, 600, 1335, 255, "input_val"},
    {"five_0_1", 480, 1320, 975, 255, "input_val"},
    {"continue", 960, 1935, 1335, 495, "input_val"},
    {"Players", 0, 480, 3135, 1095, "display"},
    {"Players_Choice", 105, 105, 2895, 855, "Players"},
    {"two_play_2", 2130, 450, 465, 465, "Players"},
    {"twenty_0", 2985, 1230, 375, 255, "client_area"},
    {"ninteen_2", 2610, 4230, 165, 210, "client_area"},
    {"one_1", 3870, 765, 240, 255, "client_area"},
    {"bull", 2880, 2760, 615, 195, "client_area"},
    {"dbl_bull", 3120, 3120, 135, 135, "client_area"},
};

TEST_F(WindowTest, ControlsStandInTheirContainersAtTheirPlaces) {
    for (const Placement& p : kPlacements) {
        QWidget* widget = control(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), twips_rect(p.left, p.top, p.width, p.height)) << p.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), p.container) << p.name;
    }
}

TEST_F(WindowTest, OpensOnTheSetupPanelsWithNothingToClick) {
    EXPECT_EQ(window->windowTitle(), "Quendel");
    EXPECT_EQ(visible_targets(), 0);
    for (const char* hidden : {"round_num", "team_no", "dart_num", "play_chg", "Line1", "Line2"}) {
        EXPECT_FALSE(control(hidden)->isVisible()) << hidden;
    }
    for (const char* shown : {"display", "Label1", "input_val", "Players"}) {
        EXPECT_TRUE(control(shown)->isVisible()) << shown;
    }
    EXPECT_TRUE(control<QRadioButton>("cricket_choice")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("two_play_0")->isChecked());
    EXPECT_TRUE(printed_text(box("display")).empty());
    ASSERT_NE(window->about_window(), nullptr);
    EXPECT_TRUE(window->about_window()->isVisible());
}

TEST_F(WindowTest, TheWholeScoreboardBoxIsOnView) {
    const QWidget* display = control("display");
    const QRect in_client = display->geometry();
    EXPECT_TRUE(window->centralWidget()->rect().contains(in_client));
    EXPECT_GE(window->centralWidget()->width(), twips_to_px(9735));
    EXPECT_GE(window->centralWidget()->height(), twips_to_px(8415));
}

TEST_F(WindowTest, TargetsCarryTheirNumberAndSayWhatTheyEnter) {
    for (int number = 1; number <= 20; ++number) {
        auto* single = control<QAbstractButton>(target_name(number, 0));
        EXPECT_EQ(single->text(), QString::number(number));
        EXPECT_EQ(single->accessibleName(), QString("Single %1").arg(number));
        EXPECT_TRUE(control<QAbstractButton>(target_name(number, 1))->text().isEmpty());
        EXPECT_TRUE(control<QAbstractButton>(target_name(number, 2))->text().isEmpty());
        EXPECT_EQ(control(target_name(number, 1))->accessibleName(), QString("Double %1").arg(number));
        EXPECT_EQ(control(target_name(number, 2))->accessibleName(), QString("Triple %1").arg(number));
    }
    EXPECT_EQ(control<QAbstractButton>("bull")->text(), "Bull");
    EXPECT_EQ(control("bull")->accessibleName(), "Bull");
    EXPECT_EQ(control("dbl_bull")->accessibleName(), "Double bull");
}

TEST_F(WindowTest, TwoDigitCaptionsFitTheirTargets) {
    auto* twenty = control<QAbstractButton>("twenty_0");
    const int text_width = twenty->fontMetrics().horizontalAdvance("20");
    EXPECT_LT(text_width, twenty->width() - 2);
    EXPECT_LE(twenty->fontMetrics().height(), twenty->height() - 2);
}

TEST_F(WindowTest, BoxesPrintInBoldTimesAtTheirSizes) {
    EXPECT_DOUBLE_EQ(control("display")->font().pointSizeF(), 18);
    EXPECT_DOUBLE_EQ(control("round_num")->font().pointSizeF(), 13.5);
    EXPECT_TRUE(control("team_no")->font().bold());
    EXPECT_EQ(control("dart_num")->palette().color(QPalette::Window), QColor(192, 192, 192));
    // The team options sit in the scoreboard box but keep the window's own small font.
    EXPECT_DOUBLE_EQ(control("two_play_1")->font().pointSizeF(), 8.25);
}

}  // namespace
