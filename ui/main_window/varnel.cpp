#include "main_window/varnel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

#include "artwork.h"
#include "dialogs/about_varnel.h"
#include "dialogs/notifier.h"
#include "dialogs/pchange.h"
#include "main_window/board_area.h"
#include "main_window/units.h"

namespace {

// The client area is opened large enough for the whole scoreboard box, which reaches past
// the board picture to the right and below.
constexpr int kClientWidthTwips = 6360 + 3375;
constexpr int kClientHeightTwips = 8415;
constexpr int kClientLeftTwips = 1035;
constexpr int kClientTopTwips = 1830;

constexpr int kPlayerChangeOpenMs = 10;
constexpr int kPlayerChangeCloseMs = 2000;

constexpr int kAboutLeftTwips = 855;
constexpr int kAboutTopTwips = 1860;

// Cricket uses only 15 to 20, listed first because every game shows them.
constexpr int kCricketNumbers[] = {20, 19, 18, 17, 16, 15};
constexpr int kOtherNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

void set_up_timer(QTimer& timer, const char* name, int interval_ms) {
    timer.setObjectName(name);
    timer.setInterval(interval_ms);
    timer.setSingleShot(true);
}

}  // namespace

Varnel::Varnel(Notifier& notifier, QWidget* parent)
    : QMainWindow(parent), notifier_(notifier), match_(*this) {
    setObjectName("Varnel");
    setWindowTitle("Quendel");
    setWindowIcon(program_icon());
    setFont(ui_font(Face::MsSansSerif, 8.25));
    create_controls();
    menus_ = create_menus(this);
    set_up_timer(timer2_, "Timer2", kPlayerChangeOpenMs);
    set_up_timer(timer3_, "Timer3", kPlayerChangeCloseMs);
    connect_commands();
    place_on_screen();
}

Varnel::~Varnel() {
    timer2_.stop();
    timer3_.stop();
    delete about_.data();
}

void Varnel::create_controls() {
    client_ = new BoardArea(this);
    setCentralWidget(client_);

    targets_ = create_hit_targets(client_, {
        [this](int number, int index) { match_.hit_number(number, index); },
        [this] { match_.hit_bull(); },
        [this] { match_.hit_dbl_bull(); },
    });
    boxes_ = create_scoreboard_boxes(client_);

    play_chg_ = new QPushButton("Player Change", client_);
    play_chg_->setObjectName("play_chg");
    play_chg_->setGeometry(twips_rect(5040, 5880, 1335, 495));
    play_chg_->setFont(ui_font(Face::Arial, 8.25));
    play_chg_->hide();

    auto* credit = new QLabel("QUENDEL By its authors", client_);
    credit->setObjectName("Label1");
    credit->setGeometry(twips_rect(1800, 6360, 2685, 285));
    credit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    credit->setFont(ui_font(Face::TimesNewRoman, 12, true, true));

    // Created after `display`, so the game panel lies in front of the scoreboard box.
    setup_ = create_setup_panels(client_, boxes_.display);
}

void Varnel::connect_commands() {
    connect(setup_.continue_button, &QPushButton::clicked, this, &Varnel::continue_click);
    connect(play_chg_, &QPushButton::clicked, this, [this] { match_.change_player(); });
    connect(menus_.new_game, &QAction::triggered, this, &Varnel::new_game_click);
    connect(menus_.player_change, &QAction::triggered, this, [this] { match_.change_player(); });
    connect(menus_.quit, &QAction::triggered, this, &Varnel::confirmed_quit);
    connect(menus_.undo, &QAction::triggered, this, &Varnel::undo_click);
    connect(menus_.redo, &QAction::triggered, this, &Varnel::redo_click);
    connect(menus_.about, &QAction::triggered, this, &Varnel::about_Click);
    connect(&timer2_, &QTimer::timeout, this, &Varnel::open_player_change);
    connect(&timer3_, &QTimer::timeout, this, &Varnel::close_player_change);
}

// Opens with the client area at its place on the screen, moved in only as far as needed to
// keep the whole window on a small screen.
void Varnel::place_on_screen() {
    const int menu_height = menuBar()->sizeHint().height();
    const QSize size(twips_to_px(kClientWidthTwips), twips_to_px(kClientHeightTwips) + menu_height);
    QPoint top_left(twips_to_px(kClientLeftTwips), twips_to_px(kClientTopTwips) - menu_height);
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        top_left.setX(std::max(room.left(), std::min(top_left.x(), room.right() + 1 - size.width())));
        top_left.setY(std::max(room.top(), std::min(top_left.y(), room.bottom() + 1 - size.height())));
    }
    setGeometry(QRect(top_left, size));
}

void Varnel::load() {
    about_Click();
    new_game_click();
}

void Varnel::about_Click() {
    if (!about_) {
        about_ = new AboutVarnel([this] { about_Click(); }, this);
        // Its load handler calls back here; the window exists by then, so that call only
        // places and shows it.
        about_->load();
    }
    about_->move(twips_to_px(kAboutLeftTwips), twips_to_px(kAboutTopTwips));
    about_->show();
}

void Varnel::new_game_click() { show_setup(); }

// The game in progress goes on until `continue`: the board is left as it is.
void Varnel::show_setup() { setup_.show(); }

void Varnel::continue_click() {
    const std::string game_type = setup_.chosen_game_type();
    const int team_count = setup_.chosen_team_count();
    setup_.hide();
    match_.begin_game(game_type, team_count);
}

void Varnel::confirmed_quit() {
    if (notifier_.confirm(this, "Quit? Are You Sure")) close();
}

void Varnel::undo_click() {
    if (!match_.undo()) notifier_.beep();
}

void Varnel::redo_click() {
    if (!match_.redo()) notifier_.beep();
}

void Varnel::open_player_change() {
    if (!pchange_) pchange_ = std::make_unique<PChange>();
    pchange_->open_for_team(match_.state().cur_team);
    notifier_.beep();
}

void Varnel::close_player_change() {
    if (pchange_) pchange_->hide();
}

// Closing the main window in any way ends the program, whatever other window is open.
void Varnel::closeEvent(QCloseEvent* event) {
    timer2_.stop();
    timer3_.stop();
    close_other_windows();
    event->accept();
    QCoreApplication::quit();
}

void Varnel::close_other_windows() {
    if (about_) about_->close();
    if (pchange_) pchange_->hide();
}

// ---------------------------------------------------------------- the screen of the rules

void Varnel::show_message(const std::string& text) { notifier_.inform(this, QString::fromStdString(text)); }

void Varnel::start_player_change_timers() {
    timer2_.start();
    timer3_.start();
}

void Varnel::print_scoreboard(const quendel::Scoreboard& board) { boxes_.print(board); }

void Varnel::board_for_game(const std::string& game_type) {
    const bool cricket = game_type == quendel::kCricket;
    const bool countdown = quendel::is_countdown_game(game_type);
    if (cricket) {
        boxes_.line1->show();
        boxes_.line2->show();
    }
    if (!cricket && !countdown) return;
    const std::initializer_list<QWidget*> status_and_bulls = {boxes_.round_num, boxes_.team_no, play_chg_,
                                                              boxes_.dart_num,   targets_.bull,  targets_.dbl_bull};
    for (QWidget* control : status_and_bulls) control->show();
    for (int index = 0; index < 3; ++index) {
        for (int number : kCricketNumbers) targets_.number_target(number, index)->show();
        for (int number : kOtherNumbers) targets_.number_target(number, index)->hide();
    }
    if (!countdown) return;
    for (int index = 0; index < 3; ++index) {
        for (int number : kCricketNumbers) targets_.number_target(number, index)->show();
        for (int number : kOtherNumbers) targets_.number_target(number, index)->show();
    }
}

void Varnel::board_off() {
    targets_.bull->hide();
    targets_.dbl_bull->hide();
    for (int index = 0; index < 3; ++index) {
        for (int number : kCricketNumbers) targets_.number_target(number, index)->hide();
        for (int number : kOtherNumbers) targets_.number_target(number, index)->hide();
    }
}
