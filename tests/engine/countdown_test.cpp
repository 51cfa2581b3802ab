// 301 and 501: the count-down, the turn's start score, busts and wins, and the order of calls.

#include <ostream>
#include <vector>

#include "recording_screen.h"

namespace quendel::testing {
namespace {

using CountdownTest = MatchTest;

// A dart as the board enters it; number 25 stands for the bull (ring 0) and double bull (ring 1).
struct Dart {
    int number;
    int ring;
};
constexpr Dart kBull{25, kSingle};
constexpr Dart kDblBull{25, kDouble};

void throw_dart(Match& match, Dart d) {
    if (d.number == 25) {
        if (d.ring == kSingle) match.hit_bull();
        else match.hit_dbl_bull();
    } else {
        match.hit_number(d.number, d.ring);
    }
}

TEST_F(CountdownTest, FirstDartOfATurnStoresTheScoreBeforeIt) {
    start(k501, 2);
    match.hit_number(20, kTriple);
    EXPECT_EQ(s().hit_num, 20);
    EXPECT_EQ(s().hit_mult, 3);
    EXPECT_EQ(s().turn_start_score, 501);
    EXPECT_EQ(s().score[1], 441);
    match.hit_number(19, kSingle);
    EXPECT_EQ(s().turn_start_score, 501) << "only the first dart of a turn stores it";
    EXPECT_EQ(s().score[1], 422);

    match.change_player();
    match.hit_number(5, kSingle);
    EXPECT_EQ(s().turn_start_score, 501) << "team 2's own score before its first dart";
    EXPECT_EQ(s().score[2], 496);
}

TEST_F(CountdownTest, BullIsTwentyFiveAndFourteenIsANumber) {
    start(k301, 2);
    match.hit_dbl_bull();
    EXPECT_EQ(s().hit_num, 25);
    EXPECT_EQ(s().hit_mult, 2);
    EXPECT_EQ(s().score[1], 251);
    match.hit_bull();
    EXPECT_EQ(s().score[1], 226);
    match.hit_number(14, kDouble);
    EXPECT_EQ(s().score[2], 301);
    EXPECT_EQ(s().score[1], 198);
}

struct TurnCase {
    const char* what;
    int left;  // team 1's score at the start of its turn
    std::vector<Dart> darts;
    int score_after;
    int winner_done;  // game_done afterwards
    int cur_team_after;
    std::vector<std::string> messages;
};
void PrintTo(const TurnCase& c, std::ostream* os) { *os << c.what; }

class CountdownTurn : public MatchTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(CountdownTurn, TeamOnePlaysOneTurn) {
    const TurnCase& c = GetParam();
    start(k301, 3);
    s().score[1] = static_cast<int16_t>(c.left);
    for (const Dart& d : c.darts) throw_dart(match, d);

    EXPECT_EQ(s().score[1], c.score_after);
    EXPECT_EQ(s().game_done, c.winner_done);
    EXPECT_EQ(s().cur_team, c.cur_team_after);
    // A change of turn leaves no dart counted; a win on the third dart is counted back to 0 too.
    EXPECT_EQ(s().dart_no, c.cur_team_after == 1 ? static_cast<int>(c.darts.size()) % 3 : 0);
    std::vector<std::string> messages;
    for (const ScreenCall& call : screen.calls()) {
        if (call.kind == ScreenCall::Kind::Message) messages.push_back(call.text);
    }
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(screen.count(ScreenCall::Kind::Timers), c.cur_team_after == 2 ? 1 : 0)
        << "the turn passes at most once";
}

const std::vector<std::string> kWin{"Player #1 Wins!!"};
const std::vector<std::string> kBust{"BUST!!!!"};

INSTANTIATE_TEST_SUITE_P(
    Table, CountdownTurn,
    ::testing::Values(
        TurnCase{"40: double 20 wins", 40, {{20, kDouble}}, 0, 1, 1, kWin},
        TurnCase{"40: single 20 then double 10 wins", 40, {{20, kSingle}, {10, kDouble}}, 0, 1, 1, kWin},
        TurnCase{"40: single 20 twice wins", 40, {{20, kSingle}, {20, kSingle}}, 0, 1, 1, kWin},
        TurnCase{"60: a triple wins", 60, {{20, kTriple}}, 0, 1, 1, kWin},
        TurnCase{"28: double 14 wins", 28, {{14, kDouble}}, 0, 1, 1, kWin},
        TurnCase{"50: the double bull wins", 50, {kDblBull}, 0, 1, 1, kWin},
        TurnCase{"25: the bull wins", 25, {kBull}, 0, 1, 1, kWin},
        TurnCase{"1: a single 1 wins", 1, {{1, kSingle}}, 0, 1, 1, kWin},
        TurnCase{"50: the bull leaves 25", 50, {kBull}, 25, 0, 1, {}},
        TurnCase{"2: a single 1 leaves 1, no bust", 2, {{1, kSingle}}, 1, 0, 1, {}},
        TurnCase{"1: a double 1 busts", 1, {{1, kDouble}}, 1, 0, 2, kBust},
        TurnCase{"30: bust on the first dart", 30, {{20, kTriple}}, 30, 0, 2, kBust},
        TurnCase{"10: 5 then 20 busts back to 10, not 5", 10, {{5, kSingle}, {20, kSingle}}, 10, 0, 2, kBust},
        TurnCase{"3: bust on the third dart", 3, {{1, kSingle}, {1, kSingle}, {1, kDouble}}, 3, 0, 2, kBust},
        TurnCase{"60: a win on the third dart", 60, {{20, kSingle}, {20, kSingle}, {20, kSingle}}, 0, 1, 1, kWin},
        TurnCase{"100: three darts, no win", 100, {{20, kSingle}, {20, kSingle}, {20, kSingle}}, 40, 0, 2, {}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(CountdownTest, WinIsAnnouncedBeforeTheRedrawThenTheBoardGoes) {
    start(k501, 2);
    s().score[1] = 32;
    match.hit_number(16, kDouble);
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"message Player #1 Wins!!", "board_off", "print team 1 dart 1"}));
    EXPECT_EQ(screen.calls()[1].state.game_done, 0) << "board_off comes before game_done is set";
    EXPECT_EQ(s().game_done, 1);
}

TEST_F(CountdownTest, WinWithTheThirdDartKeepsTheTurnAndPrintsDartThree) {
    start(k301, 2);
    s().score[1] = 45;
    match.hit_number(20, kSingle);
    match.hit_number(20, kSingle);
    screen.clear();
    match.hit_number(5, kSingle);

    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"message Player #1 Wins!!", "board_off", "print team 1 dart 3"}));
    const PrintList& dart_box = screen.calls().back().board.dart_num;
    EXPECT_EQ(dart_box.back().text, " 3 ");
    EXPECT_EQ(s().dart_no, 0);
    EXPECT_EQ(s().cur_team, 1);
    EXPECT_EQ(s().round_no, 1);
}

TEST_F(CountdownTest, ThirdDartRedrawsForTheThrowerThenForTheNextTeam) {
    start(k301, 2);
    match.hit_number(1, kSingle);
    match.hit_number(1, kSingle);
    screen.clear();
    match.hit_number(1, kSingle);
    EXPECT_EQ(screen.trace(), (std::vector<std::string>{"print team 1 dart 3", "timers", "print team 2 dart 0"}));
    EXPECT_EQ(s().dart_no, 0);
}

TEST_F(CountdownTest, BustPassesTheTurnBeforeTheHitsOwnRedraw) {
    for (int darts_before : {0, 1, 2}) {
        start(k301, 3);
        s().score[1] = 50;
        for (int i = 0; i < darts_before; ++i) match.hit_number(1, kSingle);
        screen.clear();
        match.hit_number(20, kTriple);

        EXPECT_EQ(screen.trace(), (std::vector<std::string>{"message BUST!!!!", "timers", "print team 2 dart 0",
                                                            "print team 2 dart 0"}))
            << "bust on dart " << darts_before + 1;
        EXPECT_EQ(screen.calls()[0].state.score[1], 50 - darts_before - 60) << "message before the restore";
        EXPECT_EQ(screen.calls()[2].state.score[1], 50) << "both redraws show the restored score";
        EXPECT_EQ(s().score[1], 50);
        EXPECT_EQ(s().cur_team, 2);
        EXPECT_EQ(s().dart_no, 0);
        EXPECT_EQ(s().game_done, 0);
    }
}

}  // namespace
}  // namespace quendel::testing
