// Long random games: every game type, 2 to 4 teams, hits on whatever the board offers, manual
// changes, undo, redo and new games mixed, with the state's invariants checked after every step.

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "recording_screen.h"

namespace quendel::testing {
namespace {

constexpr uint32_t kSeed = 20240611;
constexpr int kSteps = 20000;

int start_score(const std::string& game) { return game == k301 ? 301 : game == k501 ? 501 : 0; }

bool has_closed_all(const MatchState& s, int team) {
    for (int n = kBullTarget; n <= kLastTarget; ++n) {
        if (s.marks[team][n] != kClosedMarks) return false;
    }
    return true;
}

// Empty when the state is sound between two actions, otherwise what is wrong.
std::string invariant_violation(const MatchState& s) {
    static const char* const kSymbols[] = {"", "/", "X", "O"};
    std::ostringstream err;
    if (s.team_count < 2 || s.team_count > kTeamSlots) err << "team_count " << s.team_count << "; ";
    if (s.cur_team < 1 || s.cur_team > s.team_count) err << "cur_team " << s.cur_team << "; ";
    if (s.dart_no < 0 || s.dart_no > 2) err << "dart_no " << s.dart_no << "; ";
    if (s.round_no < 1) err << "round_no " << s.round_no << "; ";
    if (s.game_done != 0 && s.game_done != 1) err << "game_done " << s.game_done << "; ";

    const bool cricket = s.game_type == kCricket;
    const int start = start_score(s.game_type);
    int best = 0;
    int winners = 0;
    for (int t = 1; t <= kTeamSlots; ++t) {
        const bool playing = t <= s.team_count;
        for (int n = kBullTarget; n <= kLastTarget; ++n) {
            const int m = s.marks[t][n];
            if (!playing && (m != kClosedMarks || !s.mark_sym[t][n].empty())) {
                err << "absent team " << t << " target " << n << " touched; ";
            } else if (m < 0 || m > kClosedMarks) {
                err << "marks[" << t << "][" << n << "] " << m << "; ";
            } else if (playing && s.mark_sym[t][n] != kSymbols[m]) {
                err << "mark_sym[" << t << "][" << n << "] '" << s.mark_sym[t][n] << "' for " << m << " marks; ";
            }
        }
        if (!playing) {
            if (s.score[t] != start) err << "absent team " << t << " scored; ";
            continue;
        }
        if (cricket) {
            if (s.score[t] < 0) err << "cricket score[" << t << "] " << s.score[t] << "; ";
            best = std::max<int>(best, s.score[t]);
            if (has_closed_all(s, t) && s.score[t] == s.high_score) ++winners;
        } else {
            if (s.score[t] < 0 || s.score[t] > start) err << "score[" << t << "] " << s.score[t] << "; ";
            if (s.score[t] == 0) ++winners;
        }
    }
    if (cricket && s.high_score != best) err << "high_score " << s.high_score << " but best " << best << "; ";
    // A game is won exactly when some team meets the winning condition; and no one but the winner
    // can meet it, since it is checked after every one of that team's own hits.
    if (s.game_done == 0 && winners != 0) err << "a team meets the winning condition but the game goes on; ";
    if (s.game_done == 1 && winners != 1) err << winners << " teams meet the winning condition after a win; ";
    return err.str();
}

class Player {
public:
    explicit Player(uint32_t seed) : rng_(seed) {}

    int pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

    // One hit on a target that the board offers in the game being played; returns its description.
    std::string throw_dart(Match& match) {
        const bool cricket = match.state().game_type == kCricket;
        const int targets = cricket ? 6 * 3 + 2 : 20 * 3 + 2;
        const int choice = pick(targets);
        if (choice == targets - 2) {
            match.hit_bull();
            return "bull";
        }
        if (choice == targets - 1) {
            match.hit_dbl_bull();
            return "dbl_bull";
        }
        const int number = cricket ? 15 + choice / 3 : 1 + choice / 3;
        match.hit_number(number, choice % 3);
        return "hit " + std::to_string(number) + " ring " + std::to_string(choice % 3);
    }

private:
    std::mt19937 rng_;
};

TEST(RandomGames, InvariantsHoldAfterEveryStep) {
    RecordProperty("seed", std::to_string(kSeed));
    std::cout << "random games seed " << kSeed << "\n";
    Player player(kSeed);
    RecordingScreen screen;
    Match match(screen);
    screen.watch(match);

    // Expected history: each recorded step as its state before and after.
    std::vector<std::pair<MatchState, MatchState>> undo_model;
    std::vector<std::pair<MatchState, MatchState>> redo_model;
    const std::vector<std::string> games{kCricket, k301, k501};
    int wins = 0;
    int games_started = 0;

    for (int step = 0; step < kSteps; ++step) {
        const MatchState before = match.state();
        const bool playing = before.game_on == 1 && before.game_done == 0;
        const int roll = player.pick(1000);
        std::string action;
        bool is_play = false;  // a change or a hit: what the history records
        screen.clear();

        if (before.game_on == 0 || roll < (playing ? 3 : 200)) {
            const std::string game = games[player.pick(3)];
            const int teams = 2 + player.pick(3);
            action = "new game " + game + " for " + std::to_string(teams);
            match.begin_game(game, teams);
            undo_model.clear();
            redo_model.clear();
            ++games_started;
        } else if (roll < 80) {
            action = "undo";
            ASSERT_EQ(match.undo(), !undo_model.empty()) << "step " << step;
            if (!undo_model.empty()) {
                ASSERT_EQ(match.state(), undo_model.back().first) << "undo at step " << step;
                redo_model.push_back(undo_model.back());
                undo_model.pop_back();
                ASSERT_EQ(screen.count(ScreenCall::Kind::Message), 0);
                ASSERT_EQ(screen.count(ScreenCall::Kind::Timers), 0);
            }
        } else if (roll < 140) {
            action = "redo";
            ASSERT_EQ(match.redo(), !redo_model.empty()) << "step " << step;
            if (!redo_model.empty()) {
                ASSERT_EQ(match.state(), redo_model.back().second) << "redo at step " << step;
                undo_model.push_back(redo_model.back());
                redo_model.pop_back();
            }
        } else if (roll < 220 || !playing) {
            action = "change";
            is_play = true;
            match.change_player();
            const MatchState& after = match.state();
            if (!playing) {
                ASSERT_EQ(after, before) << "a change after a win changed the state, step " << step;
                ASSERT_TRUE(screen.calls().empty()) << "a change after a win reached the screen, step " << step;
            } else {
                const bool wraps = before.cur_team == before.team_count;
                ASSERT_EQ(after.cur_team, wraps ? 1 : before.cur_team + 1) << "step " << step;
                ASSERT_EQ(after.round_no, before.round_no + (wraps ? 1 : 0)) << "step " << step;
            }
        } else {
            action = player.throw_dart(match);
            is_play = true;
        }

        if (is_play && match.state() != before) {
            undo_model.emplace_back(before, match.state());
            redo_model.clear();
        }
        if (match.state().game_done == 1 && before.game_done == 0 && is_play) ++wins;

        ASSERT_EQ(match.can_undo(), !undo_model.empty()) << "step " << step << ": " << action;
        ASSERT_EQ(match.can_redo(), !redo_model.empty()) << "step " << step << ": " << action;
        const std::string violation = invariant_violation(match.state());
        ASSERT_EQ(violation, "") << "seed " << kSeed << ", step " << step << ": " << action;
    }
    std::cout << games_started << " games started, " << wins << " won\n";
    // The run must have played real games to prove anything.
    EXPECT_GT(games_started, 20);
    EXPECT_GT(wins, 20);
}

}  // namespace
}  // namespace quendel::testing
