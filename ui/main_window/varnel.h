#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>

#include "dialogs/about_varnel.h"
#include "main_window/hit_targets.h"
#include "main_window/menus.h"
#include "main_window/scoreboard_boxes.h"
#include "main_window/setup_panels.h"
#include "match.h"
#include "screen.h"

class BoardArea;
class Notifier;
class PChange;

// The main window: the board with its hit targets, the setup panels, the printed scoreboard
// and the menus. It owns the game and is the screen the rules speak to.
class Varnel : public QMainWindow, public quendel::Screen {
    Q_OBJECT
public:
    explicit Varnel(Notifier& notifier, QWidget* parent = nullptr);
    ~Varnel() override;

    // The load handler, run once before the window is first shown: the About window as a
    // splash, then the setup panels.
    void load();

    // Creates the About window if there is none, places it and shows it without blocking.
    void about_Click();
    void new_game_click();
    void show_setup();

    quendel::Match& match() { return match_; }
    PChange* player_change_dialog() const { return pchange_.get(); }
    AboutVarnel* about_window() const { return about_.data(); }
    QTimer* timer2() { return &timer2_; }
    QTimer* timer3() { return &timer3_; }

    // quendel::Screen
    void show_message(const std::string& text) override;
    void board_off() override;
    void board_for_game(const std::string& game_type) override;
    void start_player_change_timers() override;
    void print_scoreboard(const quendel::Scoreboard& board) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void create_controls();
    void connect_commands();
    void place_on_screen();
    void continue_click();
    void confirmed_quit();
    void undo_click();
    void redo_click();
    void open_player_change();
    void close_player_change();
    void close_other_windows();

    Notifier& notifier_;
    quendel::Match match_;
    BoardArea* client_ = nullptr;
    BoardTargets targets_;
    ScoreboardBoxes boxes_;
    SetupPanels setup_;
    QPushButton* play_chg_ = nullptr;
    MainMenus menus_;
    QTimer timer2_;
    QTimer timer3_;
    std::unique_ptr<PChange> pchange_;
    QPointer<AboutVarnel> about_;
};
