#pragma once

// A Screen that records every call in order, and a fixture that plays a match on it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match.h"

namespace quendel::testing {

// The value a status box ends with: the number printed after its label.
inline int status_value(const PrintList& box) { return box.empty() ? -1 : box.back().value; }

struct ScreenCall {
    enum class Kind { Message, BoardOff, BoardForGame, Timers, Print };
    Kind kind;
    std::string text;        // the message, or the game type of board_for_game
    Scoreboard board;        // what print_scoreboard received
    MatchState state;        // the match state at the moment of the call
};

class RecordingScreen : public Screen {
public:
    // The state to snapshot at each call; set once the Match exists.
    void watch(const Match& match) { match_ = &match; }

    void show_message(const std::string& text) override { record(ScreenCall::Kind::Message, text); }
    void board_off() override { record(ScreenCall::Kind::BoardOff, {}); }
    void board_for_game(const std::string& game_type) override {
        record(ScreenCall::Kind::BoardForGame, game_type);
    }
    void start_player_change_timers() override { record(ScreenCall::Kind::Timers, {}); }
    void print_scoreboard(const Scoreboard& board) override {
        record(ScreenCall::Kind::Print, {}, board);
    }

    const std::vector<ScreenCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

    // The calls as short readable lines: "message BUST!!!!", "timers", "board_off",
    // "board_for_game 301", and "print team 2 dart 0" read from the printed status boxes.
    std::vector<std::string> trace() const {
        std::vector<std::string> lines;
        for (const ScreenCall& c : calls_) {
            switch (c.kind) {
                case ScreenCall::Kind::Message: lines.push_back("message " + c.text); break;
                case ScreenCall::Kind::BoardOff: lines.push_back("board_off"); break;
                case ScreenCall::Kind::BoardForGame: lines.push_back("board_for_game " + c.text); break;
                case ScreenCall::Kind::Timers: lines.push_back("timers"); break;
                case ScreenCall::Kind::Print:
                    lines.push_back("print team " + std::to_string(status_value(c.board.team_no)) +
                                    " dart " + std::to_string(status_value(c.board.dart_num)));
                    break;
            }
        }
        return lines;
    }

    int count(ScreenCall::Kind kind) const {
        int n = 0;
        for (const ScreenCall& c : calls_) n += c.kind == kind ? 1 : 0;
        return n;
    }

private:
    void record(ScreenCall::Kind kind, std::string text, Scoreboard board = {}) {
        calls_.push_back({kind, std::move(text), std::move(board), match_ ? match_->state() : MatchState{}});
    }

    const Match* match_ = nullptr;
    std::vector<ScreenCall> calls_;
};

enum Ring { kSingle = 0, kDouble = 1, kTriple = 2 };

class MatchTest : public ::testing::Test {
protected:
    MatchTest() { screen.watch(match); }

    // Starts a game and forgets the calls the start made.
    void start(const std::string& game_type, int team_count) {
        match.begin_game(game_type, team_count);
        screen.clear();
    }

    const MatchState& s() const { return match.state(); }
    MatchState& s() { return match.state(); }

    RecordingScreen screen;
    Match match{screen};
};

}  // namespace quendel::testing
