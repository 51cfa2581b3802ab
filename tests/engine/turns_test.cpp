// Turn rotation and the start of a game.

#include <utility>
#include <ostream>
#include <vector>

#include "recording_screen.h"

namespace quendel::testing {
namespace {

using TurnsTest = MatchTest;

class Rotation : public MatchTest, public ::testing::WithParamInterface<int> {};

// Two full rounds of three-dart turns: team and round after every turn.
TEST_P(Rotation, ThirdDartsPassTheTurnRoundTheTeams) {
    const int teams = GetParam();
    start(k301, teams);
    std::vector<std::pair<int, int>> seen;
    for (int turn = 0; turn < 2 * teams; ++turn) {
        for (int dart = 0; dart < 3; ++dart) match.hit_number(1, kSingle);
        seen.emplace_back(s().cur_team, s().round_no);
        EXPECT_EQ(s().dart_no, 0);
    }
    std::vector<std::pair<int, int>> expected;
    for (int turn = 1; turn <= 2 * teams; ++turn) expected.emplace_back(turn % teams + 1, turn / teams + 1);
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(Teams, Rotation, ::testing::Values(2, 3, 4));

TEST_F(TurnsTest, ManualChangesWrapAndCountRounds) {
    start(kCricket, 2);
    match.change_player();
    EXPECT_EQ(s().cur_team, 2);
    EXPECT_EQ(s().round_no, 1);
    match.change_player();
    EXPECT_EQ(s().cur_team, 1);
    EXPECT_EQ(s().round_no, 2);
}

TEST_F(TurnsTest, ManualChangeAfterOneDart) {
    start(k301, 2);
    match.hit_number(20, kSingle);
    screen.clear();
    match.change_player();
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"timers", "print team 2 dart 0"}));
    EXPECT_EQ(s().cur_team, 2);
    EXPECT_EQ(s().dart_no, 0);
}

TEST_F(TurnsTest, ChangeRightAfterAnAutomaticOneSkipsTheTeamInBetween) {
    start(k501, 3);
    for (int dart = 0; dart < 3; ++dart) match.hit_number(1, kSingle);
    match.change_player();
    EXPECT_EQ(s().cur_team, 3);
    EXPECT_EQ(screen.count(ScreenCall::Kind::Timers), 2);
    EXPECT_EQ(s().score[2], 501);
}

TEST_F(TurnsTest, ChangeAfterAWinDoesNothing) {
    start(k301, 2);
    s().score[1] = 20;
    match.hit_number(20, kSingle);
    ASSERT_EQ(s().game_done, 1);
    const MatchState won = s();
    screen.clear();
    match.change_player();
    match.change_player();
    EXPECT_TRUE(screen.calls().empty());
    EXPECT_EQ(s(), won);
}

TEST_F(TurnsTest, ChangeBeforeAnyGameStartsTheDialogForTeamZero) {
    match.change_player();
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"timers", "print team 0 dart 0"}));
    EXPECT_EQ(s(), MatchState{}) << "nothing advances before the first game";
    EXPECT_TRUE(screen.calls().back().board.display.empty());
}

TEST_F(TurnsTest, HitOutsideTheBoardIsIgnored) {
    start(k301, 2);
    const MatchState before = s();
    match.hit_number(0, kSingle);
    match.hit_number(21, kSingle);
    match.hit_number(20, -1);
    match.hit_number(20, 3);
    EXPECT_EQ(s(), before);
    EXPECT_TRUE(screen.calls().empty());
}

// The board offers no target before the first game nor after a win; a hit that arrives anyway
// counts for nobody. Before the first game three of them used to recurse without end.
TEST_F(TurnsTest, HitWithoutARunningGameIsIgnored) {
    for (int dart = 0; dart < 4; ++dart) match.hit_number(20, kSingle);
    match.hit_bull();
    EXPECT_EQ(s(), MatchState{});
    EXPECT_TRUE(screen.calls().empty());

    start(k301, 2);
    s().score[1] = 20;
    match.hit_number(20, kSingle);
    ASSERT_EQ(s().game_done, 1);
    const MatchState won = s();
    screen.clear();
    for (int dart = 0; dart < 4; ++dart) match.hit_number(20, kTriple);
    match.hit_dbl_bull();
    EXPECT_EQ(s(), won);
    EXPECT_TRUE(screen.calls().empty());
    EXPECT_FALSE(match.can_redo());
}

struct StartCase {
    std::string game;
    int teams;
    int start_score;
};
void PrintTo(const StartCase& c, std::ostream* os) { *os << c.game << " for " << c.teams; }

class StartGame : public MatchTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartGame, SetsEveryFieldToItsStartValue) {
    const StartCase& c = GetParam();
    match.begin_game(c.game, c.teams);
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"print team 1 dart 0", "board_for_game " + c.game}));

    EXPECT_EQ(s().game_on, 1);
    EXPECT_EQ(s().game_done, 0);
    EXPECT_EQ(s().game_type, c.game);
    EXPECT_EQ(s().team_count, c.teams);
    EXPECT_EQ(s().round_no, 1);
    EXPECT_EQ(s().cur_team, 1);
    EXPECT_EQ(s().dart_no, 0);
    EXPECT_EQ(s().high_score, 0);
    for (int t = 1; t <= kTeamSlots; ++t) {
        EXPECT_EQ(s().team_name(t), "Team " + std::to_string(t));
        EXPECT_EQ(s().score[t], c.start_score) << "team " << t;
        for (int n = kBullTarget; n <= kLastTarget; ++n) {
            EXPECT_EQ(s().marks[t][n], t > c.teams ? 3 : 0) << "team " << t << " target " << n;
            EXPECT_EQ(s().mark_sym[t][n], "") << "team " << t << " target " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, StartGame,
                         ::testing::Values(StartCase{kCricket, 2, 0}, StartCase{k301, 3, 301},
                                           StartCase{k501, 4, 501}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(TurnsTest, NewGameAfterAFinishedOneStartsClean) {
    start(kCricket, 3);
    for (int n = kBullTarget; n <= kLastTarget; ++n) {
        if (n != 20) s().marks[1][n] = kClosedMarks;
    }
    match.change_player();
    match.hit_number(19, kDouble);
    match.change_player();
    match.change_player();  // round 2, team 1
    match.hit_number(20, kTriple);
    ASSERT_EQ(s().game_done, 1);

    screen.clear();
    match.begin_game(kCricket, 2);
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"print team 1 dart 0", "board_for_game CRICKET"}))
        << "no win message at the first redraw of the new game";

    RecordingScreen other_screen;
    Match fresh(other_screen);
    fresh.begin_game(kCricket, 2);
    MatchState expected = fresh.state();
    // These three are written before they are read and so are not reset by a new game.
    expected.hit_num = s().hit_num;
    expected.hit_mult = s().hit_mult;
    expected.turn_start_score = s().turn_start_score;
    EXPECT_EQ(s(), expected);
}

}  // namespace
}  // namespace quendel::testing
