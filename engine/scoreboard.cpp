#include "scoreboard.h"

namespace quendel {

namespace {

constexpr int kCricketNameSize = 14;
constexpr int kCricketScoreSize = 18;
constexpr int kCountdownSize = 24;

// Builds one box's print list with the vocabulary of the print surface.
class Printer {
public:
    Printer& size(int points) { return add({PrintItem::Kind::FontSize, points, {}}); }
    Printer& tab(int column) { return add({PrintItem::Kind::Tab, column, {}}); }
    Printer& text(std::string s) { return add({PrintItem::Kind::Text, 0, std::move(s)}); }
    Printer& number(int n) { return add({PrintItem::Kind::Number, n, format_number(n)}); }
    Printer& line_break() { return add({PrintItem::Kind::LineBreak, 0, {}}); }
    PrintList take() { return std::move(items_); }

private:
    Printer& add(PrintItem item) {
        items_.push_back(std::move(item));
        return *this;
    }
    PrintList items_;
};

void print_cricket_block(Printer& p, const MatchState& s, int left, int right) {
    p.size(kCricketNameSize).tab(2).text(s.team_name(left)).tab(17).text(s.team_name(right)).line_break();
    for (int n = kLastTarget; n >= kBullTarget; --n) {
        p.tab(3).text(s.mark_sym[left][n]).tab(11);
        if (n == kBullTarget) {
            p.text("BULL");
        } else {
            p.number(n);
        }
        p.tab(20).text(s.mark_sym[right][n]).line_break();
    }
    p.size(kCricketScoreSize).tab(3).number(s.score[left]);
    p.size(kCricketNameSize).tab(11).text("Scores").tab(20);
    p.size(kCricketScoreSize).number(s.score[right]).line_break();
    p.line_break();
}

void print_countdown(Printer& p, const MatchState& s) {
    p.size(kCountdownSize).text("           " + s.game_type).line_break();
    p.line_break();
    p.tab(8).text("SCORE").line_break();
    p.line_break();
    for (int t = 1; t <= s.team_count && t <= kTeamSlots; ++t) {
        p.text("Team").number(t).tab(10).number(s.score[t]).line_break();
        p.line_break();
    }
}

}  // namespace

std::string format_number(int value) {
    std::string digits = std::to_string(value < 0 ? -static_cast<long>(value) : value);
    return (value < 0 ? "-" : " ") + digits + " ";
}

Scoreboard render_scoreboard(const MatchState& s) {
    Scoreboard board;
    Printer display;
    if (s.game_type == kCricket) {
        print_cricket_block(display, s, 1, 2);
        print_cricket_block(display, s, 3, 4);
    } else if (is_countdown_game(s.game_type)) {
        board.hide_lines = true;
        print_countdown(display, s);
    }
    board.display = display.take();
    board.round_num = Printer().tab(2).text("Round ").number(s.round_no).take();
    board.team_no = Printer().text("Team # ").number(s.cur_team).take();
    board.dart_num = Printer().tab(2).text("Dart # ").number(s.dart_no).take();
    return board;
}

}  // namespace quendel
