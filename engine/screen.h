#pragma once

#include <string>

#include "scoreboard.h"

namespace quendel {

// What the rules need from the window. The main window implements it; tests record the calls.
class Screen {
public:
    virtual ~Screen() = default;

    // A modal message; returns once the players have closed it.
    virtual void show_message(const std::string& text) = 0;
    // Hides every hit target.
    virtual void board_off() = 0;
    // Offers the targets and status controls that the game uses.
    virtual void board_for_game(const std::string& game_type) = 0;
    // Switches on the two timers that open and close the player-change dialog.
    virtual void start_player_change_timers() = 0;
    // Clears the scoreboard and the status boxes and prints them anew.
    virtual void print_scoreboard(const Scoreboard& board) = 0;
};

}  // namespace quendel
