// What one redraw prints: the Cricket grid, the count-down table and the status boxes.

#include <string>
#include <vector>

#include "recording_screen.h"
#include "scoreboard.h"

namespace quendel::testing {
namespace {

using Kind = PrintItem::Kind;

PrintItem size(int points) { return {Kind::FontSize, points, {}}; }
PrintItem tab(int column) { return {Kind::Tab, column, {}}; }
PrintItem text(std::string s) { return {Kind::Text, 0, std::move(s)}; }
PrintItem number(int n) { return {Kind::Number, n, format_number(n)}; }
PrintItem line_break() { return {Kind::LineBreak, 0, {}}; }

// The items between line breaks; a blank line is an empty entry.
std::vector<PrintList> lines_of(const PrintList& list) {
    std::vector<PrintList> lines(1);
    for (const PrintItem& item : list) {
        if (item.kind == Kind::LineBreak) lines.emplace_back();
        else lines.back().push_back(item);
    }
    lines.pop_back();  // what follows the last line break
    return lines;
}

// The printed text of a box, as the players read it.
std::string text_of(const PrintList& list) {
    std::string out;
    for (const PrintItem& item : list) out += item.text;
    return out;
}

MatchState started(const std::string& game, int teams) {
    RecordingScreen screen;
    Match match(screen);
    match.begin_game(game, teams);
    return match.state();
}

TEST(FormatNumber, SignDigitsAndOneBlank) {
    EXPECT_EQ(format_number(7), " 7 ");
    EXPECT_EQ(format_number(-5), "-5 ");
    EXPECT_EQ(format_number(0), " 0 ");
    EXPECT_EQ(format_number(301), " 301 ");
    EXPECT_EQ(format_number(32767), " 32767 ");
    EXPECT_EQ(format_number(-32768), "-32768 ");
}

TEST(Scoreboard, CricketBlockPrintsMarksLabelsAndScores) {
    MatchState s = started(kCricket, 2);
    s.mark_sym[1][20] = "O";
    s.mark_sym[2][kBullTarget] = "/";
    s.score[1] = 40;
    const PrintList display = render_scoreboard(s).display;

    PrintList first_block{size(14), tab(2), text("Team 1"), tab(17), text("Team 2"), line_break()};
    for (int n = 20; n >= 14; --n) {
        first_block.insert(first_block.end(),
                           {tab(3), text(s.mark_sym[1][n]), tab(11), n == 14 ? text("BULL") : number(n), tab(20),
                            text(s.mark_sym[2][n]), line_break()});
    }
    first_block.insert(first_block.end(), {size(18), tab(3), number(40), size(14), tab(11), text("Scores"), tab(20),
                                           size(18), number(0), line_break(), line_break()});
    ASSERT_GE(display.size(), first_block.size());
    EXPECT_EQ(PrintList(display.begin(), display.begin() + static_cast<long>(first_block.size())), first_block);
}

TEST(Scoreboard, CricketGridHasTwentyLinesAndBothBlocksWhateverTheTeamCount) {
    for (int teams : {2, 3, 4}) {
        const Scoreboard board = render_scoreboard(started(kCricket, teams));
        EXPECT_FALSE(board.hide_lines);
        const std::vector<PrintList> lines = lines_of(board.display);
        ASSERT_EQ(lines.size(), 20u) << teams << " teams";
        for (int block : {0, 10}) {
            const int left = block == 0 ? 1 : 3;
            EXPECT_EQ(text_of(lines[block]), "Team " + std::to_string(left) + "Team " + std::to_string(left + 1));
            for (int row = 1; row <= 6; ++row) EXPECT_EQ(lines[block + row][3], number(21 - row));
            EXPECT_EQ(lines[block + 7][3], text("BULL")) << "the bull row is never labelled 14";
            EXPECT_EQ(text_of(lines[block + 8]), " 0 Scores 0 ");
            EXPECT_TRUE(lines[block + 9].empty()) << "a blank line closes each block";
        }
    }
}

TEST(Scoreboard, CountdownTableAtTheStartOf301ForThreeTeams) {
    const Scoreboard board = render_scoreboard(started(k301, 3));
    EXPECT_TRUE(board.hide_lines);
    PrintList expected{size(24), text("           301"), line_break(), line_break(),
                       tab(8),   text("SCORE"),          line_break(), line_break()};
    for (int t = 1; t <= 3; ++t) {
        expected.insert(expected.end(), {text("Team"), number(t), tab(10), number(301), line_break(), line_break()});
    }
    EXPECT_EQ(board.display, expected);
    EXPECT_EQ(text_of(board.display).substr(0, 14), "           301");
}

TEST(Scoreboard, CountdownHeadingNamesTheGameAndListsOnlyPlayingTeams) {
    MatchState s = started(k501, 4);
    s.score[4] = 17;
    const Scoreboard board = render_scoreboard(s);
    EXPECT_TRUE(board.hide_lines);
    EXPECT_EQ(board.display[1], text("           501"));
    EXPECT_EQ(text_of(board.display), "           501SCORETeam 1  501 Team 2  501 Team 3  501 Team 4  17 ");
}

TEST(Scoreboard, StatusBoxes) {
    MatchState s = started(kCricket, 2);
    s.cur_team = 2;
    const Scoreboard board = render_scoreboard(s);
    EXPECT_EQ(board.round_num, (PrintList{tab(2), text("Round "), number(1)}));
    EXPECT_EQ(board.team_no, (PrintList{text("Team # "), number(2)}));
    EXPECT_EQ(board.dart_num, (PrintList{tab(2), text("Dart # "), number(0)}));
    EXPECT_EQ(text_of(board.round_num), "Round  1 ");
    EXPECT_EQ(text_of(board.team_no), "Team #  2 ");
    EXPECT_EQ(text_of(board.dart_num), "Dart #  0 ");
}

TEST(Scoreboard, NothingInTheDisplayBeforeTheFirstGame) {
    const Scoreboard board = render_scoreboard(MatchState{});
    EXPECT_TRUE(board.display.empty());
    EXPECT_FALSE(board.hide_lines);
    EXPECT_EQ(text_of(board.team_no), "Team #  0 ");
}

}  // namespace
}  // namespace quendel::testing
