#pragma once

#include <string>
#include <vector>

#include "match_state.h"

namespace quendel {

// One step of printing into a box. A box's content is a flat list of these, executed in order
// from the box's top-left corner: tabs move to a column (counted in average character widths of
// the size in force), text items are drawn top-aligned, a line break returns to the left edge and
// moves down one line of the size in force.
struct PrintItem {
    enum class Kind { FontSize, Tab, Text, Number, LineBreak };
    Kind kind;
    int value = 0;     // the point size, the column, or the number
    std::string text;  // what a Text or Number item draws

    bool operator==(const PrintItem&) const = default;
};

using PrintList = std::vector<PrintItem>;

// What one redraw prints into the four boxes of the scoreboard.
struct Scoreboard {
    PrintList display;
    PrintList round_num;
    PrintList team_no;
    PrintList dart_num;
    bool hide_lines = false;  // the Cricket grid's two separators do not belong to 301 and 501

    bool operator==(const Scoreboard&) const = default;
};

// A number prints as its sign (a blank or '-'), its digits and one trailing blank: 7 is " 7 ".
std::string format_number(int value);

Scoreboard render_scoreboard(const MatchState& state);

}  // namespace quendel
