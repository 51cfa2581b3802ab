#pragma once

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string>

// The two panels in which the next game is chosen: the game (`input_val`, on the client area,
// with `continue`) and the number of teams (`Players`, inside the scoreboard box). They are
// only hidden and shown, never reset, so each setup offers the choice made last.
struct SetupPanels {
    QFrame* input_val = nullptr;
    QRadioButton* cricket_choice = nullptr;
    QRadioButton* three_0_1 = nullptr;
    QRadioButton* five_0_1 = nullptr;
    QPushButton* continue_button = nullptr;
    QFrame* players = nullptr;
    std::array<QRadioButton*, 3> two_play{};

    std::string chosen_game_type() const;
    int chosen_team_count() const;
    void show() const;  // `input_val`, then `Players`
    void hide() const;  // `Players`, then `input_val`
};

// Creates both panels hidden, with Cricket and 2 teams selected.
SetupPanels create_setup_panels(QWidget* client, QWidget* display);
