#pragma once

#include <QWidget>

#include "main_window/print_box.h"
#include "scoreboard.h"

// The four boxes the scoreboard is printed into, and the two separator lines of the Cricket
// grid that lie inside `display`.
struct ScoreboardBoxes {
    PrintBox* display = nullptr;
    PrintBox* round_num = nullptr;
    PrintBox* team_no = nullptr;
    PrintBox* dart_num = nullptr;
    QWidget* line1 = nullptr;
    QWidget* line2 = nullptr;

    // Reprints all four boxes; hides the lines when the board says they do not belong.
    void print(const quendel::Scoreboard& board) const;
};

// Creates `display` (shown, empty) and the three status boxes and both lines (hidden).
ScoreboardBoxes create_scoreboard_boxes(QWidget* client);
