#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "dialogs/notifier.h"

namespace {

QMessageBox* open_message_box() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) return box;
    return nullptr;
}

// Once the modal box is up, hands it to `inspect`, which must close it. Should no box be found,
// the test fails and whatever modal window there is gets closed, so nothing waits for a person.
void when_box_opens(std::function<void(QMessageBox&)> inspect) {
    QTimer::singleShot(0, [inspect] {
        if (QMessageBox* box = open_message_box()) {
            inspect(*box);
            if (box->isVisible()) {
                ADD_FAILURE() << "the box was left open";
                box->reject();
            }
        } else {
            ADD_FAILURE() << "no message box on view";
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
    });
}

}  // namespace

TEST(DesktopNotifier, InformShowsTheTextWithOnlyOkAndNoIcon) {
    QWidget parent;
    DesktopNotifier notifier;
    bool inspected = false;
    when_box_opens([&](QMessageBox& box) {
        inspected = true;
        EXPECT_EQ(box.windowTitle(), "QUENDEL");
        EXPECT_EQ(box.text(), "Team 2 Wins");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(box.isModal());
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    notifier.inform(&parent, "Team 2 Wins");
    EXPECT_TRUE(inspected);
}

TEST(DesktopNotifier, ConfirmOffersOkByDefaultAndCancel) {
    struct Case {
        Qt::Key key;
        bool answer;
    };
    for (const Case c : {Case{Qt::Key_Return, true}, Case{Qt::Key_Escape, false}}) {
        QWidget parent;
        DesktopNotifier notifier;
        bool inspected = false;
        when_box_opens([&](QMessageBox& box) {
            inspected = true;
            EXPECT_EQ(box.windowTitle(), "QUENDEL");
            EXPECT_EQ(box.text(), "Quit? Are You Sure");
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Ok));
            QTest::keyClick(&box, c.key);
        });
        EXPECT_EQ(notifier.confirm(&parent, "Quit? Are You Sure"), c.answer) << "key " << c.key;
        EXPECT_TRUE(inspected);
    }
}

TEST(DesktopNotifier, ConfirmIsFalseOnTheCancelButton) {
    QWidget parent;
    DesktopNotifier notifier;
    when_box_opens([](QMessageBox& box) { QTest::mouseClick(box.button(QMessageBox::Cancel), Qt::LeftButton); });
    EXPECT_FALSE(notifier.confirm(&parent, "Quit? Are You Sure"));
}
