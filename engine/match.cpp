#include "match.h"

#include <algorithm>
#include <limits>

namespace quendel {

namespace {

constexpr int16_t kInt16Max = std::numeric_limits<int16_t>::max();

// Scores and round numbers stop at the top of their 16-bit range instead of wrapping negative.
int16_t saturating_add(int16_t value, int amount) {
    return static_cast<int16_t>(std::min<int>(value + amount, kInt16Max));
}

}  // namespace

// ---------------------------------------------------------------- player actions

void Match::hit_number(int number, int index) {
    if (number < 1 || number > 20 || index < 0 || index > 2) return;
    perform({Action::Kind::Number, number, index});
}

void Match::hit_bull() { perform({Action::Kind::Bull}); }

void Match::hit_dbl_bull() { perform({Action::Kind::DblBull}); }

void Match::change_player() { perform({Action::Kind::PlayerChange}); }

void Match::begin_game(const std::string& game_type, int team_count) {
    state_.game_on = 1;
    state_.game_type = game_type;
    state_.team_count = static_cast<int16_t>(std::clamp(team_count, 2, kTeamSlots));
    undo_steps_.clear();
    redo_steps_.clear();
    start_game();
}

bool Match::undo() {
    if (undo_steps_.empty()) return false;
    Step step = std::move(undo_steps_.back());
    undo_steps_.pop_back();
    const bool had_been_won = state_.game_done != 0;
    state_ = step.before;
    redo_steps_.push_back(std::move(step));
    // Reprint only: the redraw's win check and end of turn belong to the action, not to taking it back.
    screen_.print_scoreboard(render_scoreboard(state_));
    if (had_been_won && state_.game_done == 0) screen_.board_for_game(state_.game_type);
    return true;
}

bool Match::redo() {
    if (redo_steps_.empty()) return false;
    Step step = std::move(redo_steps_.back());
    redo_steps_.pop_back();
    // The state is exactly the one the action first ran on, so running it again gives the same result.
    run(step.action);
    undo_steps_.push_back(std::move(step));
    return true;
}

void Match::perform(const Action& action) {
    // A hit counts only while a game runs, as the board offers targets only then. Before the first
    // game it would even loop: the third dart's change of turn cannot reset dart_no there.
    const bool game_running = state_.game_on == 1 && state_.game_done == 0;
    if (action.kind != Action::Kind::PlayerChange && !game_running) return;
    MatchState before = state_;
    run(action);
    // Only a game's actions are history, and one that changed nothing (a change of turn after
    // a win) is no step to take back.
    if (state_.game_on == 1 && state_ != before) {
        undo_steps_.push_back({std::move(before), action});
        redo_steps_.clear();
    }
}

void Match::run(const Action& action) {
    const bool cricket = state_.game_type == kCricket;
    switch (action.kind) {
        case Action::Kind::Number:
            state_.hit_mult = static_cast<int16_t>(action.index + 1);
            state_.hit_num = static_cast<int16_t>(action.number);
            enter_hit();
            break;
        case Action::Kind::Bull:
        case Action::Kind::DblBull:
            state_.hit_num = cricket ? kBullTarget : 25;
            state_.hit_mult = action.kind == Action::Kind::Bull ? 1 : 2;
            enter_hit();
            break;
        case Action::Kind::PlayerChange:
            player_change();
            break;
    }
}

void Match::enter_hit() {
    apply_hit();
    if (state_.game_type == kCricket) set_mark_symbols();
    draw_scoreboard();
}

// ---------------------------------------------------------------- scoring

void Match::apply_hit() {
    const int team = state_.cur_team;
    const int number = state_.hit_num;
    ++state_.dart_no;
    if (state_.game_type == kCricket) {
        score_cricket_hit(team, number);
    } else if (is_countdown_game(state_.game_type)) {
        score_countdown_hit(team, number);
    }
}

void Match::score_cricket_hit(int team, int number) {
    // Only 15 to 20 and the bull have a place in the Cricket tables.
    if (!is_team_slot(team) || !is_cricket_target(number)) return;
    int16_t& marks = state_.marks[team][number];
    marks = static_cast<int16_t>(marks + state_.hit_mult);
    if (marks > kClosedMarks) {
        const int excess = marks - kClosedMarks;
        marks = kClosedMarks;
        // Slots of absent teams hold 3 marks, so this asks whether any playing opponent is still open.
        bool someone_open = false;
        for (int slot = 1; slot <= kTeamSlots; ++slot) {
            if (state_.marks[slot][number] != kClosedMarks) someone_open = true;
        }
        if (someone_open) {
            // The bull scores 25 per multiplier of the dart, not per excess mark.
            const int points = number == kBullTarget ? state_.hit_mult * 25 : excess * number;
            state_.score[team] = saturating_add(state_.score[team], points);
        }
    }
    if (state_.score[team] > state_.high_score) state_.high_score = state_.score[team];
}

void Match::score_countdown_hit(int team, int number) {
    if (!is_team_slot(team)) return;
    if (state_.dart_no == 1) state_.turn_start_score = state_.score[team];
    state_.score[team] = static_cast<int16_t>(state_.score[team] - state_.hit_mult * number);
    check_end_of_hit();
}

void Match::set_mark_symbols() {
    static const char* const kSymbols[] = {"", "/", "X", "O"};
    const int team = state_.cur_team;
    if (!is_team_slot(team)) return;
    for (int n = kLastTarget; n >= kBullTarget; --n) {
        const int m = state_.marks[team][n];
        if (m >= 1 && m <= kClosedMarks) state_.mark_sym[team][n] = kSymbols[m];
    }
}

// ---------------------------------------------------------------- end of hit and turn

void Match::check_end_of_hit() {
    const int team = state_.cur_team;
    if (!is_team_slot(team)) return;
    const std::string number = std::to_string(team);
    if (state_.game_type == kCricket) {
        int mark_total = 0;
        for (int n = kBullTarget; n <= kLastTarget; ++n) mark_total += state_.marks[team][n];
        if (mark_total == 7 * kClosedMarks && state_.score[team] == state_.high_score) {
            announce_win("Team #" + number + " Wins!!");
        }
    } else if (is_countdown_game(state_.game_type)) {
        if (state_.score[team] == 0) {
            announce_win("Player #" + number + " Wins!!");
        } else if (state_.score[team] < 0) {
            screen_.show_message("BUST!!!!");
            state_.score[team] = state_.turn_start_score;
            player_change();
        }
    }
}

void Match::announce_win(const std::string& text) {
    screen_.show_message(text);
    screen_.board_off();
    state_.game_done = 1;
}

void Match::player_change() {
    if (state_.game_done != 0) return;
    screen_.start_player_change_timers();
    if (state_.game_on == 1) {
        ++state_.cur_team;
        state_.dart_no = 0;
        if (state_.cur_team > state_.team_count) {
            state_.cur_team = 1;
            state_.round_no = saturating_add(state_.round_no, 1);
            state_.dart_no = 0;
        }
    }
    draw_scoreboard();
}

void Match::draw_scoreboard() {
    screen_.print_scoreboard(render_scoreboard(state_));
    if (state_.game_type == kCricket) check_end_of_hit();
    if (state_.dart_no == 3) {
        player_change();
        state_.dart_no = 0;
    }
}

// ---------------------------------------------------------------- a new game

void Match::start_game() {
    for (int n = kBullTarget; n <= kLastTarget; ++n) {
        for (int team = 1; team <= kTeamSlots; ++team) {
            state_.mark_sym[team][n] = "";
            state_.marks[team][n] = 0;
        }
    }
    state_.game_done = 0;
    state_.high_score = 0;
    state_.dart_no = 0;
    const int16_t start_score = state_.game_type == k301 ? 301 : state_.game_type == k501 ? 501 : 0;
    for (int team = 1; team <= kTeamSlots; ++team) state_.score[team] = start_score;
    state_.team1_name = "Team 1";
    state_.team2_name = "Team 2";
    state_.team3_name = "Team 3";
    state_.team4_name = "Team 4";
    state_.round_no = 1;
    state_.cur_team = 1;
    draw_scoreboard();
    screen_.board_for_game(state_.game_type);
    // Absent teams count as closed everywhere, so Cricket points depend only on the teams that play.
    for (int team = state_.team_count + 1; team <= kTeamSlots; ++team) {
        for (int n = kBullTarget; n <= kLastTarget; ++n) state_.marks[team][n] = kClosedMarks;
    }
}

}  // namespace quendel
