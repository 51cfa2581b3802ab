#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "dialogs/pchange.h"
#include "label_fit.h"

namespace {

const QRect kPChangeRect(61, 121, 308, 181);  // 915, 1815, 4620 x 2715 twips

QLabel* label(const QWidget& window, const char* name) {
    auto* found = window.findChild<QLabel*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace

TEST(PChange, IsAFramelessToolWindowThatNeverTakesTheFocus) {
    PChange dialog;
    EXPECT_EQ(dialog.windowTitle(), "Player Change");
    EXPECT_EQ(dialog.windowType(), Qt::Tool);
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(label(dialog, "lblplay_no")->text().isEmpty()) << "empty until first opened";
}

TEST(PChange, OpensAtItsOwnPlaceWithTheNextTeam) {
    PChange dialog;
    dialog.open_for_team(2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.geometry(), kPChangeRect);
    EXPECT_EQ(dialog.next_team_label()->text(), "Team #2 is next");

    // Wherever it has been moved, the next opening puts it back; the text follows the team.
    dialog.hide();
    dialog.move(300, 20);
    dialog.open_for_team(0);
    EXPECT_EQ(dialog.geometry(), kPChangeRect);
    EXPECT_EQ(dialog.next_team_label()->text(), "Team #0 is next");
}

TEST(PChange, ControlsStandAtTheirPlacesWithTheirLook) {
    PChange dialog;
    dialog.open_for_team(4);
    struct Control {
        const char* name;
        QRect rect;
    };
    for (const Control& c : {Control{"Picture1_0", QRect(16, 8, 33, 33)}, Control{"Picture1_1", QRect(248, 8, 33, 33)},
                             Control{"Play_change_label", QRect(72, 8, 161, 55)},
                             Control{"lblplay_no", QRect(16, 88, 265, 49)}}) {
        QLabel* control = label(dialog, c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), c.rect) << c.name;
    }

    for (const char* name : {"Picture1_0", "Picture1_1"}) {
        const QPixmap icon = label(dialog, name)->pixmap();
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(32, 32)) << name;
    }

    QLabel* request = label(dialog, "Play_change_label");
    EXPECT_EQ(request->text(), "Please Remove Your Darts");
    EXPECT_TRUE(request->wordWrap());
    EXPECT_EQ(request->font().pointSizeF(), 18.0);
    EXPECT_TRUE(request->font().bold());
    EXPECT_TRUE(text_fits(*request)) << "the request is clipped";

    QLabel* next = dialog.next_team_label();
    EXPECT_EQ(next->frameShape(), QFrame::Box);
    EXPECT_EQ(next->font().pointSizeF(), 26.25);
    EXPECT_TRUE(next->font().bold());
    EXPECT_TRUE(next->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_TRUE(text_fits(*next)) << "the team line is clipped";
}
