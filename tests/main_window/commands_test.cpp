// The menu commands and their keys: a new setup, undo and redo, quit, About.
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, NewGameShowsThePanelsAndTheRunningGameScoresUntilContinue) {
    start("five_0_1", 2);
    hit(20, 2);
    key(Qt::Key_F5);
    EXPECT_TRUE(control("input_val")->isVisible());
    EXPECT_TRUE(control("Players")->isVisible());
    EXPECT_EQ(visible_targets(), 62);
    hit(20, 0);
    EXPECT_EQ(state().score[1], 501 - 60 - 20);
    EXPECT_EQ(state().dart_no, 2);

    click("cricket_choice");
    click("continue");
    EXPECT_FALSE(control("input_val")->isVisible());
    EXPECT_FALSE(control("Players")->isVisible());
    EXPECT_EQ(state().game_type, "CRICKET");
    EXPECT_EQ(state().score[1], 0);
    EXPECT_EQ(state().dart_no, 0);
}

TEST_F(WindowTest, TheNextSetupOffersTheChoiceMadeLast) {
    start("five_0_1", 4);
    key(Qt::Key_F5);
    EXPECT_TRUE(control<QRadioButton>("five_0_1")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("cricket_choice")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("two_play_2")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("two_play_0")->isChecked());
    click("continue");
    EXPECT_EQ(state().game_type, "501");
    EXPECT_EQ(state().team_count, 4);
}

TEST_F(WindowTest, MenuCommandsRunWhatTheirKeysRun) {
    start("three_0_1", 3);
    QAction* p_chg = control<QAction>("p_chg");
    ASSERT_NE(p_chg, nullptr);
    p_chg->trigger();
    EXPECT_EQ(state().cur_team, 2);
    key(Qt::Key_F8);
    EXPECT_EQ(state().cur_team, 3);
    EXPECT_EQ(control<QAction>("New_game")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(control<QAction>("quit")->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(control<QAction>("About")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(control<QAction>("About")->text(), "&About...");
}

TEST_F(WindowTest, UndoingTheWinningDartBringsTheBoardBackAndPlayGoesOn) {
    start("three_0_1", 2);
    for (const char* name : {"twenty_2", "twenty_2", "twenty_2", "play_chg", "twenty_2", "twenty_2", "one_0"}) {
        click(name);
    }
    ASSERT_EQ(visible_targets(), 0);
    const size_t messages = notifier.messages.size();

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(visible_targets(), 62);
    EXPECT_EQ(state().game_done, 0);
    EXPECT_EQ(state().score[1], 1);
    EXPECT_EQ(printed_text(box("dart_num")), "Dart #  2 ");
    EXPECT_EQ(notifier.messages.size(), messages);  // taking back announces nothing
    EXPECT_EQ(notifier.beeps, 0);

    hit(1, 1);  // a bust this time: the turn passes to team 2
    EXPECT_EQ(notifier.messages.back(), "BUST!!!!");
    EXPECT_EQ(state().cur_team, 2);
    EXPECT_EQ(state().score[1], 121);
    EXPECT_EQ(visible_targets(), 62);
}

TEST_F(WindowTest, RedoReplaysTheUndoneDart) {
    start("five_0_1", 2);
    hit(20, 2);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state().score[1], 501);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state().score[1], 441);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state().score[1], 441);
    EXPECT_EQ(notifier.beeps, 0);
}

TEST_F(WindowTest, UndoWithNothingToUndoOnlyBeeps) {
    const quendel::MatchState before_any_game = state();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_EQ(state(), before_any_game);

    start("cricket_choice", 2);
    const quendel::MatchState fresh = state();
    const auto printed = box("display")->printed();
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(notifier.beeps, 3);
    EXPECT_EQ(state(), fresh);
    EXPECT_EQ(box("display")->printed(), printed);
    EXPECT_EQ(visible_targets(), 20);
    EXPECT_TRUE(control<QRadioButton>("cricket_choice")->isChecked());
}

TEST_F(WindowTest, CancellingTheQuitQuestionChangesNothing) {
    start("cricket_choice", 2);
    hit(20, 2);
    const quendel::MatchState playing = state();
    notifier.answer = false;
    key(Qt::Key_F9);
    EXPECT_EQ(notifier.questions, std::vector<std::string>{"Quit? Are You Sure"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state(), playing);
}

TEST_F(WindowTest, ConfirmingTheQuitQuestionClosesTheWindowAndItsCompanions) {
    ASSERT_NE(window->about_window(), nullptr);
    notifier.answer = true;
    key(Qt::Key_F9);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->about_window() == nullptr || !window->about_window()->isVisible());
}

TEST_F(WindowTest, AboutOpensOneWindowAndAFreshOneAfterClosing) {
    AboutVarnel* first = window->about_window();
    ASSERT_NE(first, nullptr);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window->about_window(), first);
    EXPECT_EQ(window->about_window()->pos(), QPoint(twips_to_px(855), twips_to_px(1860)));

    first->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->about_window() == nullptr; }, 5000));
    activate();
    key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_NE(window->about_window(), nullptr);
    EXPECT_TRUE(window->about_window()->isVisible());
}

}  // namespace
