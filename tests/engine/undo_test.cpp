// Undo and redo: each action comes back exactly, quietly, and replays as it first ran.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "recording_screen.h"

namespace quendel::testing {
namespace {

using UndoTest = MatchTest;

struct ActionCase {
    const char* name;
    std::string game;
    std::function<void(Match&)> arrange;
    std::function<void(Match&)> act;
    bool wins;
};
void PrintTo(const ActionCase& c, std::ostream* os) { *os << c.name; }

class UndoEachAction : public MatchTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(UndoEachAction, UndoRestoresTheStateBeforeAndRedoTheStateAfter) {
    const ActionCase& c = GetParam();
    start(c.game, 3);
    const MatchState at_start = s();
    match.hit_number(20, kSingle);  // some history before the action
    c.arrange(match);
    const MatchState before = s();
    c.act(match);
    const MatchState after = s();
    ASSERT_NE(after, before);
    ASSERT_EQ(after.game_done, c.wins ? 1 : 0);

    screen.clear();
    ASSERT_TRUE(match.undo());
    EXPECT_EQ(s(), before);
    std::vector<std::string> expected_undo{"print team " + std::to_string(before.cur_team) + " dart " +
                                           std::to_string(before.dart_no)};
    if (c.wins) expected_undo.push_back("board_for_game " + c.game);
    EXPECT_EQ(screen.trace(), expected_undo) << "no message and no dialog on the way back";

    screen.clear();
    ASSERT_TRUE(match.redo());
    EXPECT_EQ(s(), after);
    const bool announced =
        screen.count(ScreenCall::Kind::Message) == 1 && screen.count(ScreenCall::Kind::BoardOff) == 1;
    EXPECT_EQ(announced, c.wins) << "a redone winning dart announces the win again";
    EXPECT_FALSE(match.can_redo());

    while (match.undo()) {
    }
    EXPECT_EQ(s(), at_start) << "undoing every step goes back to the start of the game";
}

void nothing(Match&) {}

INSTANTIATE_TEST_SUITE_P(
    Actions, UndoEachAction,
    ::testing::Values(
        ActionCase{"CricketScoringHit", kCricket, [](Match& m) { m.state().marks[1][19] = 3; },
                   [](Match& m) { m.hit_number(19, kTriple); }, false},
        ActionCase{"CricketClosingHit", kCricket, nothing, [](Match& m) { m.hit_number(19, kTriple); }, false},
        ActionCase{"CountdownDart", k301, nothing, [](Match& m) { m.hit_number(7, kDouble); }, false},
        ActionCase{"Bust", k501,
                   [](Match& m) { m.state().score[1] = m.state().turn_start_score = 30; },
                   [](Match& m) { m.hit_number(20, kTriple); }, false},
        ActionCase{"ThirdDart", k301, [](Match& m) { m.hit_number(1, kSingle); },
                   [](Match& m) { m.hit_number(2, kSingle); }, false},
        ActionCase{"ManualChange", kCricket, nothing, [](Match& m) { m.change_player(); }, false},
        ActionCase{"WinningCricketDart", kCricket,
                   [](Match& m) {
                       for (int n = kBullTarget; n <= kLastTarget; ++n) m.state().marks[1][n] = kClosedMarks;
                       m.state().marks[1][18] = 1;
                   },
                   [](Match& m) { m.hit_number(18, kDouble); }, true},
        ActionCase{"WinningCountdownDart", k301, [](Match& m) { m.state().score[1] = 50; },
                   [](Match& m) { m.hit_dbl_bull(); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UndoTest, ThirdDartAndItsChangeOfTurnAreOneStep) {
    start(k301, 2);
    match.hit_number(1, kSingle);
    match.hit_number(1, kSingle);
    const MatchState before = s();
    match.hit_number(1, kSingle);
    ASSERT_EQ(s().cur_team, 2);
    screen.clear();
    match.undo();
    EXPECT_EQ(s(), before);
    EXPECT_EQ(s().cur_team, 1);
    EXPECT_EQ(s().dart_no, 2);
    EXPECT_EQ(screen.count(ScreenCall::Kind::Timers), 0);
}

TEST_F(UndoTest, StepsComeBackInOrderBothWays) {
    start(k501, 2);
    std::vector<MatchState> states{s()};
    for (int n : {20, 19, 18, 17, 16}) {
        match.hit_number(n, kTriple);
        states.push_back(s());
    }
    for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
        ASSERT_TRUE(match.undo());
        EXPECT_EQ(s(), states[i]) << "after undoing to step " << i;
    }
    EXPECT_FALSE(match.undo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(match.redo());
        EXPECT_EQ(s(), states[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(match.redo());
}

TEST_F(UndoTest, NewActionAfterUndoDropsTheRedoSteps) {
    start(kCricket, 2);
    match.hit_number(20, kSingle);
    match.hit_number(19, kSingle);
    match.undo();
    ASSERT_TRUE(match.can_redo());
    match.hit_number(18, kSingle);
    EXPECT_FALSE(match.can_redo());
    EXPECT_FALSE(match.redo());
    EXPECT_EQ(s().marks[1][19], 0);
    EXPECT_EQ(s().marks[1][18], 1);
}

TEST_F(UndoTest, NewGameClearsTheHistory) {
    start(k301, 2);
    match.hit_number(20, kSingle);
    match.hit_number(19, kSingle);
    match.undo();
    match.begin_game(kCricket, 3);
    EXPECT_FALSE(match.can_undo());
    EXPECT_FALSE(match.can_redo());
    const MatchState fresh = s();
    EXPECT_FALSE(match.undo());
    EXPECT_FALSE(match.redo());
    EXPECT_EQ(s(), fresh);
}

TEST_F(UndoTest, NothingToUndoBeforeTheFirstGame) {
    match.change_player();
    screen.clear();
    EXPECT_FALSE(match.can_undo());
    EXPECT_FALSE(match.undo());
    EXPECT_FALSE(match.redo());
    EXPECT_TRUE(screen.calls().empty());
    EXPECT_EQ(s(), MatchState{});
}

TEST_F(UndoTest, ChangeAfterAWinIsNoStep) {
    start(k301, 2);
    s().score[1] = 5;
    const MatchState before_win = s();
    match.hit_number(5, kSingle);
    match.change_player();
    ASSERT_TRUE(match.undo());
    EXPECT_EQ(s(), before_win);
}

TEST_F(UndoTest, PlayGoesOnAfterUndoingAWin) {
    start(k301, 2);
    s().score[1] = 5;
    match.hit_number(5, kSingle);
    match.undo();
    match.hit_number(4, kSingle);
    EXPECT_EQ(s().score[1], 1);
    EXPECT_EQ(s().game_done, 0);
    match.change_player();
    EXPECT_EQ(s().cur_team, 2);
}

}  // namespace
}  // namespace quendel::testing
