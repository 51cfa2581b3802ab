#include "main_window/scoreboard_boxes.h"

#include <algorithm>

#include "main_window/units.h"

namespace {

const QColor kStatusGrey(192, 192, 192);

PrintBox* make_status_box(QWidget* client, const QString& name, const QRect& place) {
    auto* box = new PrintBox(name, ui_font(Face::TimesNewRoman, 13.5), kStatusGrey, client);
    box->setGeometry(place);
    box->hide();
    return box;
}

// A thin horizontal line in the window-text colour between two x positions in twips; a part
// outside the box is not drawn.
QWidget* make_line(QWidget* display, const QString& name, int x1, int x2, int y) {
    auto* line = new QWidget(display);
    line->setObjectName(name);
    const int left = std::max(twips_to_px(std::min(x1, x2)), 0);
    const int right = twips_to_px(std::max(x1, x2));
    line->setGeometry(left, twips_to_px(y), right - left, 1);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
    line->hide();
    return line;
}

}  // namespace

void ScoreboardBoxes::print(const quendel::Scoreboard& board) const {
    display->print(board.display);
    if (board.hide_lines) {
        line1->hide();
        line2->hide();
    }
    round_num->print(board.round_num);
    team_no->print(board.team_no);
    dart_num->print(board.dart_num);
}

ScoreboardBoxes create_scoreboard_boxes(QWidget* client) {
    ScoreboardBoxes boxes;
    boxes.display = new PrintBox("display", ui_font(Face::TimesNewRoman, 18), client->palette().color(QPalette::Window),
                                 client);
    boxes.display->setGeometry(twips_rect(6360, 0, 3375, 8415));
    boxes.line1 = make_line(boxes.display, "Line1", 3135, -105, 2670);
    boxes.line2 = make_line(boxes.display, "Line2", 3300, 60, 6030);

    boxes.round_num = make_status_box(client, "round_num", twips_rect(0, 0, 1455, 375));
    boxes.team_no = make_status_box(client, "team_no", twips_rect(4800, 0, 1575, 375));
    boxes.dart_num = make_status_box(client, "dart_num", twips_rect(0, 6000, 1575, 375));
    return boxes;
}
