#include <gtest/gtest.h>

#include "match.h"

namespace {

struct NullScreen : quendel::Screen {
    void show_message(const std::string&) override {}
    void board_off() override {}
    void board_for_game(const std::string&) override {}
    void start_player_change_timers() override {}
    void print_scoreboard(const quendel::Scoreboard&) override {}
};

TEST(Smoke, TripleTwentyIn501) {
    NullScreen screen;
    quendel::Match match(screen);
    match.begin_game("501", 2);
    match.hit_number(20, 2);
    EXPECT_EQ(match.state().score[1], 441);
}

}  // namespace
