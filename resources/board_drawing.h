#pragma once

class QPainter;

// Paints the dart board, in the picture's logical coordinates (centre at board::kCentre), onto
// a painter that may be scaled. The icon uses the same drawing without numbers and wires.
struct BoardDrawingOptions {
    bool numbers = true;  // the numbers round the outside, in white on the surround
    bool wires = true;    // the thin wire lines between the rings and segments
};
void paint_board(QPainter& painter, const BoardDrawingOptions& options);
