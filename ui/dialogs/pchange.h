#pragma once

#include <QWidget>

class QLabel;

// The frameless "Please Remove Your Darts" window that names the team throwing next.
// Created at its first use and afterwards only hidden and shown. It never takes the keyboard
// focus, so darts can be entered in the main window while it is on view.
class PChange : public QWidget {
    Q_OBJECT
public:
    PChange();

    // Places the window at its fixed screen rectangle, shows it without activating it and
    // sets the label to "Team #<team> is next".
    void open_for_team(int team);

    QLabel* next_team_label() const { return lblplay_no_; }

private:
    QLabel* lblplay_no_ = nullptr;
};
