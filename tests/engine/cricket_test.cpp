// Cricket: marks and symbols, points and their gate, the bull, high score and the win.

#include <array>
#include <ostream>
#include <vector>

#include "recording_screen.h"

namespace quendel::testing {
namespace {

using CricketTest = MatchTest;

// Closes every target of a team except the ones it is given marks for afterwards.
void close_all(MatchState& s, int team) {
    for (int n = kBullTarget; n <= kLastTarget; ++n) {
        s.marks[team][n] = kClosedMarks;
        s.mark_sym[team][n] = "O";
    }
}

TEST_F(CricketTest, MarksBuildSymbolsForTheThrowingTeamOnly) {
    start(kCricket, 2);
    match.hit_number(19, kSingle);
    EXPECT_EQ(s().marks[1][19], 1);
    EXPECT_EQ(s().mark_sym[1][19], "/");
    match.hit_number(18, kDouble);
    EXPECT_EQ(s().mark_sym[1][18], "X");
    match.hit_number(19, kDouble);  // third dart: the turn passes to team 2
    EXPECT_EQ(s().marks[1][19], 3);
    EXPECT_EQ(s().mark_sym[1][19], "O");
    EXPECT_EQ(s().score[1], 0);
    ASSERT_EQ(s().cur_team, 2);

    match.hit_number(20, kTriple);
    EXPECT_EQ(s().marks[2][20], 3);
    EXPECT_EQ(s().mark_sym[2][20], "O");
    EXPECT_EQ(s().score[2], 0);
    EXPECT_EQ(s().mark_sym[2][19], "") << "a target without marks keeps no symbol";
    EXPECT_EQ(s().mark_sym[1][19], "O") << "team 1's symbols are not touched by team 2's hit";
    EXPECT_EQ(s().mark_sym[1][20], "");
}

TEST_F(CricketTest, EveryHitCountsOneDart) {
    start(kCricket, 2);
    s().marks[1][16] = kClosedMarks;
    s().marks[2][16] = kClosedMarks;
    match.hit_number(16, kTriple);  // scores nothing at all
    EXPECT_EQ(s().dart_no, 1);
    match.hit_bull();
    EXPECT_EQ(s().dart_no, 2);
}

struct PointsCase {
    const char* what;
    int target;  // 15..20, or 14 for the bull
    int ring;    // the multiplier minus one
    int own_marks;
    int other_marks;
    int marks_after;
    int points;
};
void PrintTo(const PointsCase& c, std::ostream* os) { *os << c.what; }

class CricketPoints : public MatchTest, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(CricketPoints, TeamOneHitsAgainstTeamTwo) {
    const PointsCase& c = GetParam();
    start(kCricket, 2);
    s().marks[1][c.target] = static_cast<int16_t>(c.own_marks);
    s().marks[2][c.target] = static_cast<int16_t>(c.other_marks);
    if (c.target == kBullTarget) {
        if (c.ring == kSingle) match.hit_bull();
        else match.hit_dbl_bull();
    } else {
        match.hit_number(c.target, c.ring);
    }
    EXPECT_EQ(s().marks[1][c.target], c.marks_after);
    EXPECT_EQ(s().score[1], c.points);
    EXPECT_EQ(s().high_score, c.points);
    EXPECT_EQ(s().score[2], 0);
    EXPECT_EQ(s().marks[2][c.target], c.other_marks);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CricketPoints,
    ::testing::Values(
        PointsCase{"triple on an open number closes it", 20, kTriple, 0, 0, 3, 0},
        PointsCase{"reaching exactly three scores nothing", 20, kSingle, 2, 0, 3, 0},
        PointsCase{"two excess marks score twice the number", 18, kTriple, 2, 1, 3, 36},
        PointsCase{"one excess mark scores the number once", 20, kTriple, 1, 0, 3, 20},
        PointsCase{"a closed number scores while the other is open", 17, kDouble, 3, 1, 3, 34},
        PointsCase{"nothing once the other team has closed it", 18, kTriple, 2, 3, 3, 0},
        PointsCase{"nothing once both have closed it", 16, kTriple, 3, 3, 3, 0},
        PointsCase{"bull: one mark plus a double bull closes it", kBullTarget, kDouble, 1, 0, 3, 0},
        PointsCase{"bull: two marks plus a single bull closes it", kBullTarget, kSingle, 2, 0, 3, 0},
        PointsCase{"bull: two marks plus a double bull scores 50, not 25", kBullTarget, kDouble, 2, 0, 3, 50},
        PointsCase{"bull: single on a closed bull scores 25", kBullTarget, kSingle, 3, 2, 3, 25},
        PointsCase{"bull: double on a closed bull scores 50", kBullTarget, kDouble, 3, 0, 3, 50},
        PointsCase{"bull: nothing once both have closed it", kBullTarget, kDouble, 3, 3, 3, 0}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct GateCase {
    int team_count;
    std::vector<int> others;  // marks on 20 of teams 2..team_count
    bool scores;
};
void PrintTo(const GateCase& c, std::ostream* os) {
    *os << c.team_count << " teams, others' marks";
    for (int m : c.others) *os << ' ' << m;
}

class CricketGate : public MatchTest, public ::testing::WithParamInterface<GateCase> {};

// Team 1 has closed 20 and hits a single 20; only the playing teams decide whether it scores.
TEST_P(CricketGate, ClosedNumberScoresWhileAnyPlayingTeamIsOpen) {
    const GateCase& c = GetParam();
    start(kCricket, c.team_count);
    s().marks[1][20] = kClosedMarks;
    for (size_t i = 0; i < c.others.size(); ++i) s().marks[i + 2][20] = static_cast<int16_t>(c.others[i]);
    match.hit_number(20, kSingle);
    EXPECT_EQ(s().score[1], c.scores ? 20 : 0) << "teams: " << c.team_count;
}

INSTANTIATE_TEST_SUITE_P(Table, CricketGate,
                         ::testing::Values(GateCase{2, {0}, true}, GateCase{2, {3}, false},
                                           GateCase{3, {3, 2}, true}, GateCase{3, {2, 3}, true},
                                           GateCase{3, {3, 3}, false}, GateCase{4, {3, 3, 2}, true},
                                           GateCase{4, {0, 3, 3}, true}, GateCase{4, {3, 3, 3}, false}));

TEST_F(CricketTest, HighScoreFollowsTheLeaderAndNeverFalls) {
    start(kCricket, 2);
    s().marks[1][20] = kClosedMarks;
    s().marks[2][19] = kClosedMarks;
    match.hit_number(20, kDouble);
    EXPECT_EQ(s().high_score, 40);
    match.change_player();
    match.hit_number(19, kSingle);
    EXPECT_EQ(s().score[2], 19);
    EXPECT_EQ(s().high_score, 40);
}

TEST_F(CricketTest, LeaderClosingItsLastTargetWinsAfterTheRedraw) {
    start(kCricket, 2);
    close_all(s(), 1);
    s().marks[1][15] = 2;
    s().score[1] = s().high_score = 30;
    match.hit_number(15, kSingle);

    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"print team 1 dart 1", "message Team #1 Wins!!", "board_off"}));
    const auto& calls = screen.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].state.mark_sym[1][15], "O") << "the scoreboard shows the hit before the message";
    EXPECT_EQ(calls[1].state.game_done, 0);
    EXPECT_EQ(calls[2].state.game_done, 0) << "board_off comes before game_done is set";
    EXPECT_EQ(s().game_done, 1);
}

TEST_F(CricketTest, WinsWithPointsLevelWithTheLeaderOrAllAtZero) {
    for (int other_score : {0, 45}) {
        start(kCricket, 3);
        close_all(s(), 1);
        s().marks[1][kBullTarget] = 2;
        s().score[1] = static_cast<int16_t>(other_score);
        s().score[3] = static_cast<int16_t>(other_score);
        s().high_score = static_cast<int16_t>(other_score);
        match.hit_bull();
        EXPECT_EQ(s().game_done, 1) << "tied at " << other_score;
        EXPECT_EQ(screen.count(ScreenCall::Kind::Message), 1);
    }
}

// Team 1 closes everything while behind, then scores on 20, which team 2 has not closed.
TEST_F(CricketTest, TeamBehindWinsAtTheHitThatBringsItLevel) {
    start(kCricket, 2);
    close_all(s(), 1);
    s().marks[1][kBullTarget] = 2;
    s().mark_sym[1][kBullTarget] = "X";
    s().score[2] = s().high_score = 40;

    match.hit_bull();
    match.hit_number(20, kSingle);
    EXPECT_EQ(s().score[1], 20);
    EXPECT_EQ(screen.count(ScreenCall::Kind::Message), 0) << "closed but behind: the game goes on";
    EXPECT_EQ(s().game_done, 0);

    screen.clear();
    match.hit_number(20, kSingle);  // third dart, level at 40
    EXPECT_EQ(s().score[1], 40);
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"print team 1 dart 3", "message Team #1 Wins!!", "board_off"}))
        << "a winning third dart is followed by no change of team and no redraw";
    EXPECT_EQ(s().game_done, 1);
    EXPECT_EQ(s().cur_team, 1);
    EXPECT_EQ(s().dart_no, 0);
}

TEST_F(CricketTest, RedrawAfterAChangeOfTeamShowsNoMessage) {
    start(kCricket, 2);
    close_all(s(), 2);  // team 2 has closed everything but is behind
    s().score[1] = s().high_score = 20;
    match.change_player();
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"timers", "print team 2 dart 0"}));
    EXPECT_EQ(s().game_done, 0);
}

TEST_F(CricketTest, ScoreStopsAtTheTopOfItsRange) {
    start(kCricket, 2);
    s().marks[1][20] = kClosedMarks;
    s().score[1] = s().high_score = 32700;
    match.hit_number(20, kTriple);
    EXPECT_EQ(s().score[1], 32760);
    match.hit_number(20, kTriple);
    EXPECT_EQ(s().score[1], 32767);
    EXPECT_EQ(s().high_score, 32767);
    match.hit_number(20, kSingle);
    EXPECT_EQ(s().score[1], 32767);
    EXPECT_EQ(s().high_score, 32767);
}

// The board never offers these in Cricket; if one reaches the rules anyway it is a dart and nothing more.
TEST_F(CricketTest, NumberOutsideTheCricketTargetsChangesNoMarksOrPoints) {
    start(kCricket, 2);
    s().marks[1][20] = kClosedMarks;
    s().mark_sym[1][20] = "O";
    for (int number : {-1, 0, 1, 13, 21, 25, 32767, -32768}) {
        for (int mult : {1, 3}) {
            const MatchState before = s();
            s().hit_num = static_cast<int16_t>(number);
            s().hit_mult = static_cast<int16_t>(mult);
            match.apply_hit();
            match.set_mark_symbols();
            EXPECT_EQ(s().marks, before.marks) << number;
            EXPECT_EQ(s().mark_sym, before.mark_sym) << number;
            EXPECT_EQ(s().score, before.score) << number;
            EXPECT_EQ(s().high_score, before.high_score) << number;
            s().dart_no = 0;
        }
    }
}

}  // namespace
}  // namespace quendel::testing
