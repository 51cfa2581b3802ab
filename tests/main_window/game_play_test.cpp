// Games played through the window with the mouse: targets, scoring, winners and status boxes.
#include "window_fixture.h"

namespace {

// One step of a game: a target to click, or "play_chg" to pass the turn.
struct GameCase {
    const char* option;
    int teams;
    std::vector<const char*> clicks;
    std::string winner_message;
};

const GameCase kGames[] = {
    {"cricket_choice",
     2,
     {"play_chg", "twenty_2", "ninteen_2", "eighteen_2", "play_chg", "seventeen_2", "sixteen_2", "fifteen_2",
      "play_chg", "dbl_bull", "bull"},
     "Team #2 Wins!!"},
    {"three_0_1", 2, {"twenty_2", "twenty_2", "twenty_2", "play_chg", "twenty_2", "twenty_2", "one_0"},
     "Player #1 Wins!!"},
    {"five_0_1",
     3,
     {"twenty_2", "twenty_2", "twenty_2", "play_chg", "play_chg", "twenty_2", "twenty_2", "twenty_2", "play_chg",
      "play_chg", "twenty_2", "ninteen_2", "twelve_1"},
     "Player #1 Wins!!"},
};

class WholeGame : public WindowTest, public ::testing::WithParamInterface<GameCase> {};

TEST_P(WholeGame, EndsWithTheWinnerAndEveryTargetWithdrawn) {
    const GameCase& game = GetParam();
    start(game.option, game.teams);
    for (const char* name : game.clicks) click(name);
    EXPECT_EQ(notifier.messages, std::vector<std::string>{game.winner_message});
    EXPECT_EQ(visible_targets(), 0);
    EXPECT_EQ(state().game_done, 1);
    for (const char* still : {"round_num", "team_no", "dart_num", "play_chg"}) {
        EXPECT_TRUE(control(still)->isVisible()) << still;
    }
    // The game is over: a change of turn does nothing any more.
    const quendel::MatchState over = state();
    click("play_chg");
    EXPECT_EQ(state(), over);
}

INSTANTIATE_TEST_SUITE_P(EachGame, WholeGame, ::testing::ValuesIn(kGames),
                         [](const auto& info) { return std::string(info.param.option); });

TEST_F(WindowTest, EveryTargetEntersItsOwnHit) {
    for (int number = 1; number <= 20; ++number) {
        for (int index = 0; index < 3; ++index) {
            window->show_setup();
            start("five_0_1", 2);
            hit(number, index);
            EXPECT_EQ(state().score[1], 501 - number * (index + 1)) << target_name(number, index).toStdString();
        }
    }
    window->show_setup();
    start("three_0_1", 2);
    click("bull");
    EXPECT_EQ(state().score[1], 301 - 25);
    click("dbl_bull");
    EXPECT_EQ(state().score[1], 301 - 75);

    window->show_setup();
    start("cricket_choice", 2);
    click("dbl_bull");
    EXPECT_EQ(state().marks[1][quendel::kBullTarget], 2);
    click("bull");
    EXPECT_EQ(state().marks[1][quendel::kBullTarget], 3);
}

TEST_F(WindowTest, TheBoardOffersWhatTheGameUsesWhateverCameBefore) {
    const struct {
        const char* option;
        int offered;
    } games[] = {{"cricket_choice", 20}, {"three_0_1", 62}, {"cricket_choice", 20}, {"five_0_1", 62},
                 {"cricket_choice", 20}};
    for (const auto& game : games) {
        key(Qt::Key_F5);
        start(game.option, 2);
        EXPECT_EQ(visible_targets(), game.offered) << game.option;
    }
    // Cricket: 15 to 20 and the bulls; 1 to 14 are off the board.
    for (int number = 1; number <= 20; ++number) {
        for (int index = 0; index < 3; ++index) {
            EXPECT_EQ(control(target_name(number, index))->isVisible(), number >= 15)
                << target_name(number, index).toStdString();
        }
    }
    EXPECT_TRUE(control("bull")->isVisible());
    EXPECT_TRUE(control("dbl_bull")->isVisible());
}

TEST_F(WindowTest, ANewGameAfterAWinGetsItsBoardBack) {
    start("three_0_1", 2);
    for (const char* name : {"twenty_2", "twenty_2", "twenty_2", "play_chg", "twenty_2", "twenty_2", "one_0"}) {
        click(name);
    }
    ASSERT_EQ(visible_targets(), 0);
    key(Qt::Key_F5);
    click("continue");
    EXPECT_EQ(visible_targets(), 62);
    EXPECT_EQ(state().game_done, 0);
}

TEST_F(WindowTest, AHiddenTargetTakesNoClick) {
    const quendel::MatchState before_any_game = state();
    hit(20, 0);
    click("dbl_bull");
    EXPECT_EQ(state(), before_any_game);

    start("cricket_choice", 2);
    const quendel::MatchState cricket = state();
    hit(1, 0);
    hit(14, 2);
    EXPECT_EQ(state(), cricket);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(WindowTest, StatusBoxesFollowDartsTurnsAndRounds) {
    start("cricket_choice", 2);
    auto status = [this] {
        return std::vector<std::string>{printed_text(box("round_num")), printed_text(box("team_no")),
                                        printed_text(box("dart_num"))};
    };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(status(), (Lines{"Round  1 ", "Team #  1 ", "Dart #  0 "}));
    hit(20, 0);
    EXPECT_EQ(status(), (Lines{"Round  1 ", "Team #  1 ", "Dart #  1 "}));
    hit(20, 0);
    hit(20, 0);
    EXPECT_EQ(status(), (Lines{"Round  1 ", "Team #  2 ", "Dart #  0 "}));
    hit(19, 0);
    hit(19, 0);
    hit(19, 0);
    EXPECT_EQ(status(), (Lines{"Round  2 ", "Team #  1 ", "Dart #  0 "}));
    EXPECT_TRUE(window->timer2()->isActive());
    EXPECT_TRUE(window->timer3()->isActive());
}

TEST_F(WindowTest, AWinningThirdDartLeavesTheDartCountAtThree) {
    start("three_0_1", 2);
    for (const char* name : {"twenty_2", "twenty_2", "twenty_2", "play_chg", "twenty_2", "twenty_2", "one_0"}) {
        click(name);
    }
    EXPECT_EQ(printed_text(box("dart_num")), "Dart #  3 ");
    EXPECT_EQ(printed_text(box("team_no")), "Team #  1 ");
}

TEST_F(WindowTest, TheGridLinesBelongToCricketOnly) {
    start("cricket_choice", 4);
    EXPECT_TRUE(control("Line1")->isVisible());
    EXPECT_TRUE(control("Line2")->isVisible());
    key(Qt::Key_F5);
    start("five_0_1", 3);
    EXPECT_FALSE(control("Line1")->isVisible());
    EXPECT_FALSE(control("Line2")->isVisible());
    EXPECT_NE(printed_text(box("display")).find("SCORE"), std::string::npos);
}

TEST_F(WindowTest, TheChangeOfTurnOpensAndClosesThePlayerChangeDialog) {
    start("cricket_choice", 3);
    click("play_chg");
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->player_change_dialog() != nullptr; }, 5000));
    PChange* dialog = window->player_change_dialog();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->next_team_label()->text(), "Team #2 is next");
    EXPECT_EQ(notifier.beeps, 1);
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 10000));
    // The same dialog serves the next change.
    activate();
    key(Qt::Key_F8);
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isVisible(); }, 5000));
    EXPECT_EQ(window->player_change_dialog(), dialog);
    EXPECT_EQ(dialog->next_team_label()->text(), "Team #3 is next");
}

}  // namespace
