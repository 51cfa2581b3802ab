#pragma once

#include <vector>

#include "match_state.h"
#include "screen.h"

namespace quendel {

// The rules of one game at the board, acting on one MatchState and talking to one Screen.
// The public actions are what a player can do; the operations below them are the steps those
// actions run, public so each can be exercised on its own.
class Match {
public:
    explicit Match(Screen& screen) : screen_(screen) {}

    // --- player actions, each one undoable step while a game is on ---
    // A click on a number target: index 0 is the single, 1 the double, 2 the triple ring.
    void hit_number(int number, int index);
    void hit_bull();
    void hit_dbl_bull();
    // The players pass the turn on (button or menu).
    void change_player();
    // The setup is confirmed: a new game of game_type for team_count teams.
    void begin_game(const std::string& game_type, int team_count);
    // Take back the last action / replay the last undone one. False when there is none.
    bool undo();
    bool redo();

    // --- the operations of the rules ---
    void apply_hit();
    void set_mark_symbols();
    void check_end_of_hit();
    void player_change();
    void draw_scoreboard();
    void start_game();

    const MatchState& state() const { return state_; }
    MatchState& state() { return state_; }
    bool can_undo() const { return !undo_steps_.empty(); }
    bool can_redo() const { return !redo_steps_.empty(); }

private:
    struct Action {
        enum class Kind { Number, Bull, DblBull, PlayerChange } kind;
        int number = 0;
        int index = 0;
    };
    struct Step {
        MatchState before;
        Action action;
    };

    void perform(const Action& action);
    void run(const Action& action);
    void enter_hit();
    void score_cricket_hit(int team, int number);
    void score_countdown_hit(int team, int number);
    void announce_win(const std::string& text);

    Screen& screen_;
    MatchState state_;
    std::vector<Step> undo_steps_;
    std::vector<Step> redo_steps_;
};

}  // namespace quendel
