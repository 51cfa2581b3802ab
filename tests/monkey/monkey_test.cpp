// Random user actions through the real widgets: clicks on every target (shown or hidden), the
// setup panels, the buttons, the menu keys, the About window, the player-change timers, undo and
// redo. After every action the game's invariants must hold and the scoreboard must agree with it.
//
//   MONKEY_ACTIONS=100000 MONKEY_SEED=123 build/tests/monkey/monkey_tests
#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "dialogs/about_varnel.h"
#include "dialogs/notifier.h"
#include "main_window/print_box.h"
#include "main_window/target_layout.h"
#include "main_window/varnel.h"
#include "scoreboard.h"

namespace {

using quendel::MatchState;

// Answers every box at once; the quit question always with Cancel.
class AnsweringNotifier final : public Notifier {
public:
    void inform(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }
    void beep() override {}
};

int env_int(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toInt();
}

class Monkey {
public:
    Monkey(Varnel& window, unsigned seed) : window_(window), rng_(seed) {
        for (const auto& number : kNumberTargets) {
            for (int index = 0; index < 3; ++index) {
                targets_.push_back(window.findChild<QWidget*>(QString("%1_%2").arg(number.name).arg(index)));
            }
        }
        targets_.push_back(window.findChild<QWidget*>("bull"));
        targets_.push_back(window.findChild<QWidget*>("dbl_bull"));
        for (QWidget* target : targets_) EXPECT_NE(target, nullptr);
    }

    // Runs one random action; returns its name for the failure message.
    std::string act() {
        const MatchState before = window_.match().state();
        // Mostly darts, as at a real board; the rest often enough to meet every state.
        enum Act { Dart, Continue, PlayChg, F5, F8, F9, AboutKey, AboutWindow, Ticks, UndoRedo };
        static const std::discrete_distribution<int>::param_type kWeights{30, 2, 2, 1, 2, 1, 1, 1, 2, 3};
        switch (std::discrete_distribution<int>(kWeights)(rng_)) {
            case Dart: {
                QWidget* target = targets_[pick(targets_.size())];
                const bool offered = target->isVisible();
                click_where(target);
                if (!offered) {
                    EXPECT_EQ(window_.match().state(), before) << "a hidden target took a click";
                }
                return "click " + target->objectName().toStdString();
            }
            case Continue: {
                static const char* const kGames[] = {"cricket_choice", "three_0_1", "five_0_1"};
                click_where(window_.findChild<QWidget*>(kGames[pick(3)]));
                click_where(window_.findChild<QWidget*>(QString("two_play_%1").arg(pick(3))));
                click_where(window_.findChild<QWidget*>("continue"));
                return "continue";
            }
            case PlayChg: click_where(window_.findChild<QWidget*>("play_chg")); return "play_chg";
            case F5: press(Qt::Key_F5); return "F5";
            case F8: press(Qt::Key_F8); return "F8";
            case F9: press(Qt::Key_F9); return "F9, Cancel";
            case AboutKey: press(Qt::Key_A, Qt::ControlModifier); return "Ctrl+A";
            case AboutWindow: return about_action();
            case Ticks: return tick_timers();
            default:
                press(pick(2) ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
                return "undo or redo";
        }
    }

private:
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

    // Clicks where the control stands, as a person would: whatever widget is on top there
    // gets the click, so a hidden target's place is just the board picture.
    void click_where(QWidget* control) {
        bring_to_front(&window_);  // a click on a window brings it to the front
        const QPoint centre = control->mapTo(&window_, control->rect().center());
        QWidget* hit = window_.childAt(centre);
        if (hit) QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&window_, centre));
    }

    static void bring_to_front(QWidget* window) {
        QApplication::setActiveWindow(window);
        window->activateWindow();
    }

    // Keys go to the window in front, which may be the About window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* front = QApplication::activeWindow();
        QTest::keyClick(front ? front : &window_, key, modifiers);
    }

    std::string about_action() {
        AboutVarnel* about = window_.about_window();
        if (!about) return "no About window";
        if (pick(2)) {
            QTest::mouseClick(about->findChild<QPushButton*>("About_OK"), Qt::LeftButton);
            return "About OK";
        }
        about->close();
        return "About closed";
    }

    std::string tick_timers() {
        for (QTimer* timer : {window_.timer2(), window_.timer3()}) {
            if (timer->isActive() && pick(2)) {
                timer->stop();
                QMetaObject::invokeMethod(timer, "timeout");
            }
        }
        return "timer ticks";
    }

    Varnel& window_;
    std::mt19937 rng_;
    std::vector<QWidget*> targets_;
};

void expect_invariants(const MatchState& s) {
    static const char* const kSymbols[] = {"", "/", "X", "O"};
    if (s.game_on == 0) return;
    ASSERT_GE(s.team_count, 2);
    ASSERT_LE(s.team_count, 4);
    ASSERT_GE(s.cur_team, 1);
    ASSERT_LE(s.cur_team, s.team_count);
    ASSERT_GE(s.dart_no, 0);
    ASSERT_LE(s.dart_no, 2);
    for (int team = 1; team <= quendel::kTeamSlots; ++team) {
        const bool plays = team <= s.team_count;
        for (int n = quendel::kBullTarget; n <= quendel::kLastTarget; ++n) {
            ASSERT_GE(s.marks[team][n], 0);
            ASSERT_LE(s.marks[team][n], 3);
            if (!plays) {
                ASSERT_EQ(s.marks[team][n], 3);
            }
            if (plays && s.game_type == quendel::kCricket) {
                ASSERT_EQ(s.mark_sym[team][n], kSymbols[s.marks[team][n]]);
            }
        }
        if (s.game_type == quendel::kCricket) {
            ASSERT_LE(s.score[team], s.high_score);
            if (!plays) {
                ASSERT_EQ(s.score[team], 0);
            }
        } else {
            ASSERT_GE(s.score[team], 0);
            if (!plays) {
                ASSERT_EQ(s.score[team], s.game_type == quendel::k301 ? 301 : 501);
            }
        }
    }
}

// The boxes show the state; after a win the dart box keeps the winning dart's number.
void expect_printed_state(Varnel& window, const MatchState& s) {
    if (s.game_on == 0) return;
    const quendel::Scoreboard expected = quendel::render_scoreboard(s);
    auto printed = [&](const char* name) { return window.findChild<PrintBox*>(name)->printed(); };
    ASSERT_EQ(printed("display"), expected.display);
    ASSERT_EQ(printed("round_num"), expected.round_num);
    ASSERT_EQ(printed("team_no"), expected.team_no);
    if (s.game_done == 0) {
        ASSERT_EQ(printed("dart_num"), expected.dart_num);
    }
}

TEST(Monkey, RandomActionsKeepTheGameSound) {
    const unsigned seed = env_int("MONKEY_SEED", 20261211);
    const int actions = env_int("MONKEY_ACTIONS", 3000);
    std::printf("monkey: seed %u, %d actions (replay with MONKEY_SEED=%u MONKEY_ACTIONS=%d)\n", seed, actions, seed,
                actions);
    AnsweringNotifier notifier;
    Varnel window(notifier);
    window.load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Monkey monkey(window, seed);
    int changes = 0, games = 0, wins = 0;
    for (int i = 0; i < actions; ++i) {
        const MatchState before = window.match().state();
        const std::string action = monkey.act();
        const MatchState& after = window.match().state();
        SCOPED_TRACE("action " + std::to_string(i) + ": " + action);
        expect_invariants(after);
        expect_printed_state(window, after);
        const bool may_change_a_won_game = action == "continue" || action == "undo or redo";
        if (before.game_done && !may_change_a_won_game) {
            ASSERT_EQ(after, before) << "a won game changed";
        }
        if (HasFatalFailure()) return;
        changes += after != before;
        games += action == "continue" && after.dart_no == 0 && after.round_no == 1 && after != before;
        wins += after.game_done && !before.game_done;
    }
    std::printf("monkey: %d actions changed the game, %d games started, %d won\n", changes, games, wins);
    EXPECT_GT(wins, 0) << "the run never finished a game: the actions do not reach the board";
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
