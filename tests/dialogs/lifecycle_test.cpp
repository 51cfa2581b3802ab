// The player-change dialog, the About window, the quit question and the end of the program,
// driven through the real main window with a notifier that records and answers at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/about_varnel.h"
#include "dialogs/notifier.h"
#include "dialogs/pchange.h"
#include "main_window/varnel.h"
#include "window_fixture.h"

namespace {

constexpr int kPatienceMs = 10000;

// Runs the event loop with `action` as its first event; true when the loop then ends by itself
// (a stuck loop is ended after a while and counts as false).
bool event_loop_ends_after(const std::function<void()>& action) {
    bool stuck = false;
    QTimer::singleShot(0, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&stuck] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    guard.start(kPatienceMs);
    const int code = QApplication::exec();
    return !stuck && code == 0;
}

class Lifecycle : public WindowTest {
protected:
    void three_darts(const char* target) {
        for (int dart = 0; dart < 3; ++dart) click(target);
    }

    bool dialog_shown() const { return window->player_change_dialog() && window->player_change_dialog()->isVisible(); }
    QString dialog_text() const { return window->player_change_dialog()->next_team_label()->text(); }
    bool wait_for_dialog(bool shown) {
        return QTest::qWaitFor([&] { return dialog_shown() == shown; }, kPatienceMs);
    }
};

// ---------------------------------------------------------------- the player-change dialog

TEST_F(Lifecycle, TheThirdDartAnnouncesTheNextTeamWithOneBeepAndTheDialogClosesItself) {
    start("cricket_choice", 3);  // 3 teams
    three_darts("twenty_2");
    ASSERT_TRUE(wait_for_dialog(true));
    EXPECT_EQ(dialog_text(), "Team #2 is next");
    EXPECT_EQ(notifier.beeps, 1);
    ASSERT_TRUE(wait_for_dialog(false));
    EXPECT_EQ(notifier.beeps, 1);

    // Past the last team the turn comes back to team 1; the same window serves again.
    PChange* dialog = window->player_change_dialog();
    click("play_chg");
    click("play_chg");
    ASSERT_TRUE(wait_for_dialog(true));
    EXPECT_EQ(window->player_change_dialog(), dialog);
    EXPECT_EQ(dialog_text(), "Team #1 is next");
    EXPECT_EQ(state().round_no, 2);
}

TEST_F(Lifecycle, AChangeWhileTheDialogIsOpenRenamesTheTeamAndBeepsAgain) {
    start("cricket_choice", 3);
    three_darts("ninteen_2");
    ASSERT_TRUE(wait_for_dialog(true));
    ASSERT_EQ(dialog_text(), "Team #2 is next");

    click("play_chg");
    QTest::qWait(50);  // the 10 ms opening tick
    EXPECT_TRUE(dialog_shown());
    EXPECT_EQ(dialog_text(), "Team #3 is next");
    EXPECT_EQ(notifier.beeps, 2);
    EXPECT_TRUE(window->timer3()->isActive()) << "the closing tick is still to come";
    ASSERT_TRUE(wait_for_dialog(false));
    EXPECT_EQ(notifier.beeps, 2);
}

TEST_F(Lifecycle, BeforeAnyGameTheDialogNamesTeamZero) {
    key(Qt::Key_F8);
    ASSERT_TRUE(wait_for_dialog(true));
    EXPECT_EQ(dialog_text(), "Team #0 is next");
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(state().cur_team, 0);
}

TEST_F(Lifecycle, AfterAWinNoChangeOfTurnOpensTheDialog) {
    start("three_0_1", 2);
    three_darts("twenty_2");  // 121 left
    click("play_chg");        // team 2 passes
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !window->timer2()->isActive() && !window->timer3()->isActive(); }, kPatienceMs));
    ASSERT_FALSE(dialog_shown());
    const int beeps_before_win = notifier.beeps;

    click("twenty_2");
    click("twenty_2");
    click("one_0");  // exactly zero with the third dart: the win
    ASSERT_EQ(state().game_done, 1);
    ASSERT_EQ(notifier.messages.size(), 1u);

    key(Qt::Key_F8);
    click("play_chg");
    EXPECT_FALSE(window->timer2()->isActive());
    QTest::qWait(100);
    EXPECT_FALSE(dialog_shown());
    EXPECT_EQ(notifier.beeps, beeps_before_win);
}

// ---------------------------------------------------------------- the About window

TEST_F(Lifecycle, OkDestroysTheAboutWindowAndTheMenuBuildsAFreshOne) {
    ASSERT_NE(window->about_window(), nullptr);
    const quendel::MatchState before = state();
    window->hide();
    QTest::mouseClick(window->about_window()->findChild<QPushButton*>("About_OK"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible()) << "OK brings the main window back";
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->about_window() == nullptr; }, kPatienceMs));
    EXPECT_EQ(state(), before);

    activate();
    key(Qt::Key_A, Qt::ControlModifier);
    AboutVarnel* fresh = window->about_window();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(fresh->pos(), QPoint(57, 124));
    EXPECT_EQ(fresh->findChild<QLabel*>("Label1")->text(), "Varnel");
    int about_windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) about_windows += qobject_cast<AboutVarnel*>(top) ? 1 : 0;
    EXPECT_EQ(about_windows, 1);
}

// ---------------------------------------------------------------- quitting and closing

TEST_F(Lifecycle, CancellingTheQuitQuestionKeepsTheGameAndTheRotation) {
    start("five_0_1", 2);
    click("twenty_2");
    click("five_0");
    const quendel::MatchState before = state();
    ASSERT_EQ(before.dart_no, 2);

    notifier.answer = false;
    key(Qt::Key_F9);
    ASSERT_EQ(notifier.questions, std::vector<std::string>{"Quit? Are You Sure"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state(), before);

    click("one_2");  // the third dart still passes the turn
    EXPECT_EQ(state().cur_team, 2);
    EXPECT_EQ(state().dart_no, 0);
    EXPECT_EQ(state().score[1], 501 - 60 - 5 - 3);
    ASSERT_TRUE(wait_for_dialog(true));
    EXPECT_EQ(dialog_text(), "Team #2 is next");
}

TEST_F(Lifecycle, ConfirmingTheQuitQuestionEndsTheEventLoop) {
    start("cricket_choice", 2);
    notifier.answer = true;
    EXPECT_TRUE(event_loop_ends_after([this] { key(Qt::Key_F9); }));
    EXPECT_EQ(notifier.questions, std::vector<std::string>{"Quit? Are You Sure"});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Lifecycle, ClosingTheMainWindowEndsTheEventLoopWhateverElseIsOpen) {
    struct Case {
        const char* name;
        bool about_open;
        bool dialog_open;
    };
    for (const Case c : {Case{"nothing else", false, false}, Case{"About", true, false},
                         Case{"player change", false, true}, Case{"both", true, true}}) {
        SCOPED_TRACE(c.name);
        window = std::make_unique<Varnel>(notifier);
        window->load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        activate();
        if (!c.about_open) {
            window->about_window()->close();
            ASSERT_TRUE(QTest::qWaitFor([this] { return window->about_window() == nullptr; }, kPatienceMs));
        }
        if (c.dialog_open) {
            key(Qt::Key_F8);
            ASSERT_TRUE(wait_for_dialog(true));
        }
        const int questions = int(notifier.questions.size());

        EXPECT_TRUE(event_loop_ends_after([this] { window->close(); }));
        EXPECT_EQ(int(notifier.questions.size()), questions) << "closing asks nothing";
        EXPECT_FALSE(dialog_shown());
        EXPECT_TRUE(window->about_window() == nullptr || !window->about_window()->isVisible());
    }
}

}  // namespace
