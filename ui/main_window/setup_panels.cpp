#include "main_window/setup_panels.h"

#include <QLabel>

#include "main_window/units.h"
#include "match_state.h"

namespace {

QFrame* make_panel(QWidget* parent, const QString& name, const QRect& place) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

// A bordered label that frames a group of options; it lies behind them.
void make_frame_label(QWidget* panel, const QString& name, const QString& caption, const QRect& place,
                      Qt::Alignment alignment) {
    auto* label = new QLabel(caption, panel);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(alignment);
    label->setFont(ui_font(Face::TimesNewRoman, 12));
    label->lower();
}

QRadioButton* make_option(QWidget* panel, const QString& name, const QString& caption, const QRect& place) {
    auto* option = new QRadioButton(caption, panel);
    option->setObjectName(name);
    option->setGeometry(place);
    return option;
}

}  // namespace

std::string SetupPanels::chosen_game_type() const {
    if (three_0_1->isChecked()) return quendel::k301;
    if (five_0_1->isChecked()) return quendel::k501;
    return quendel::kCricket;
}

int SetupPanels::chosen_team_count() const {
    for (int index = 0; index < 3; ++index) {
        if (two_play[index]->isChecked()) return index + 2;
    }
    return 2;
}

void SetupPanels::show() const {
    input_val->show();
    players->show();
}

void SetupPanels::hide() const {
    players->hide();
    input_val->hide();
}

SetupPanels create_setup_panels(QWidget* client, QWidget* display) {
    SetupPanels panels;

    panels.input_val = make_panel(client, "input_val", twips_rect(6360, 1560, 3135, 2655));
    make_frame_label(panels.input_val, "Label2", "Game", twips_rect(225, 210, 2655, 1575),
                     Qt::AlignHCenter | Qt::AlignTop);
    panels.cricket_choice = make_option(panels.input_val, "cricket_choice", "Cricket", twips_rect(480, 600, 1335, 255));
    panels.three_0_1 = make_option(panels.input_val, "three_0_1", "301", twips_rect(480, 960, 975, 255));
    panels.five_0_1 = make_option(panels.input_val, "five_0_1", "501", twips_rect(480, 1320, 975, 255));
    panels.cricket_choice->setChecked(true);
    panels.continue_button = new QPushButton("Continue", panels.input_val);
    panels.continue_button->setObjectName("continue");
    panels.continue_button->setGeometry(twips_rect(960, 1935, 1335, 495));

    panels.players = make_panel(display, "Players", twips_rect(0, 480, 3135, 1095));
    // The options speak in the window's font, not in the printing font of the box around them.
    panels.players->setFont(client->font());
    make_frame_label(panels.players, "Players_Choice", "Players:", twips_rect(105, 105, 2895, 855),
                     Qt::AlignLeft | Qt::AlignTop);
    const int lefts[] = {480, 1230, 2130};
    for (int index = 0; index < 3; ++index) {
        panels.two_play[index] = make_option(panels.players, QString("two_play_%1").arg(index),
                                             QString::number(index + 2), twips_rect(lefts[index], 450, 465, 465));
    }
    panels.two_play[0]->setChecked(true);
    return panels;
}
