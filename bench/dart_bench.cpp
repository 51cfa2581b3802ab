// Times one dart in-process on the offscreen platform: from the click on a target until the
// handler has returned and the scoreboard boxes have been repainted. Also times one scoreboard
// redraw alone, and reads the peak resident set size after 1,000 and after 100,000 darts.
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "dialogs/notifier.h"
#include "first_paint_exit.h"
#include "main_window/target_layout.h"
#include "main_window/varnel.h"

namespace {

// Answers every message at once, so that no box waits for a person.
class SilentNotifier final : public Notifier {
public:
    void inform(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }
    void beep() override {}
};

struct Bench {
    Varnel& window;
    std::mt19937 rng{20261211};
    std::vector<QWidget*> targets;
    std::vector<QWidget*> boxes;

    explicit Bench(Varnel& w) : window(w) {
        for (const auto& number : kNumberTargets) {
            for (int index = 0; index < 3; ++index) {
                targets.push_back(child(std::string(number.name) + "_" + std::to_string(index)));
            }
        }
        targets.push_back(child("bull"));
        targets.push_back(child("dbl_bull"));
        for (const char* name : {"display", "round_num", "team_no", "dart_num"}) boxes.push_back(child(name));
    }

    QWidget* child(const std::string& name) const {
        auto* widget = window.findChild<QWidget*>(QString::fromStdString(name));
        if (!widget) {
            std::fprintf(stderr, "dart_bench: no control named %s\n", name.c_str());
            std::exit(1);
        }
        return widget;
    }

    void start_game(const char* option, int team_index) {
        QTest::keyClick(&window, Qt::Key_F5);
        window.findChild<QRadioButton*>(option)->setChecked(true);
        window.findChild<QRadioButton*>(QString("two_play_%1").arg(team_index))->setChecked(true);
        QTest::mouseClick(child("continue"), Qt::LeftButton);
    }

    QWidget* random_offered_target() {
        std::vector<QWidget*> offered;
        for (QWidget* t : targets) {
            if (t->isVisible()) offered.push_back(t);
        }
        return offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(rng)];
    }

    void repaint_scoreboard() {
        for (QWidget* box : boxes) box->repaint();
    }

    // Throws darts into the game chosen by option; a won game is started again (not timed).
    std::vector<double> darts(const char* option, int count) {
        std::vector<double> micros;
        micros.reserve(count);
        int team_index = 0;
        start_game(option, team_index);
        QElapsedTimer clock;
        for (int i = 0; i < count; ++i) {
            if (window.match().state().game_done) {
                team_index = (team_index + 1) % 3;
                start_game(option, team_index);
            }
            QWidget* target = random_offered_target();
            clock.start();
            QTest::mouseClick(target, Qt::LeftButton);
            repaint_scoreboard();
            micros.push_back(clock.nsecsElapsed() / 1000.0);
            QCoreApplication::processEvents();
        }
        return micros;
    }

    std::vector<double> redraws(int count) {
        std::vector<double> micros;
        QElapsedTimer clock;
        for (int i = 0; i < count; ++i) {
            clock.start();
            window.match().draw_scoreboard();
            repaint_scoreboard();
            micros.push_back(clock.nsecsElapsed() / 1000.0);
        }
        return micros;
    }
};

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const double median_ms = micros[micros.size() / 2] / 1000.0;
    const double p99_ms = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)] / 1000.0;
    std::printf("| %-26s | %7zu | %9.3f | %9.3f | %11.1f %% |\n", what, micros.size(), median_ms, p99_ms,
                100.0 * p99_ms / 16.7);
}

// Darts of every game in turn, as in a long evening at the board.
void mixed_darts(Bench& bench, int count) {
    static const char* const kGames[] = {"cricket_choice", "three_0_1", "five_0_1"};
    for (int done = 0; done < count; done += 500) bench.darts(kGames[(done / 500) % 3], std::min(500, count - done));
}

}  // namespace

// dart_bench [darts per game type]   the timing table
// dart_bench --memory                peak resident set size after 1,000, 10,000 and 100,000 darts
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool memory_mode = argc > 1 && std::string(argv[1]) == "--memory";
    const int darts_per_game = !memory_mode && argc > 1 ? std::atoi(argv[1]) : 2000;
    SilentNotifier notifier;
    Varnel window(notifier);
    window.load();
    window.show();
    QCoreApplication::processEvents();
    Bench bench(window);

    if (memory_mode) {
        std::printf("peak_rss_kib_after_startup=%ld\n", peak_rss_kib());
        mixed_darts(bench, 1000);
        std::printf("peak_rss_kib_after_1000_darts=%ld\n", peak_rss_kib());
        mixed_darts(bench, 9000);
        std::printf("peak_rss_kib_after_10000_darts=%ld\n", peak_rss_kib());
        mixed_darts(bench, 90000);
        std::printf("peak_rss_kib_after_100000_darts=%ld\n", peak_rss_kib());
        return 0;
    }

    std::printf("| %-26s | %7s | %9s | %9s | %13s |\n", "in-process, offscreen", "samples", "median ms", "p99 ms",
                "p99 of frame");
    std::printf("|----------------------------|---------|-----------|-----------|---------------|\n");
    report("one dart, Cricket", bench.darts("cricket_choice", darts_per_game));
    report("one dart, 301", bench.darts("three_0_1", darts_per_game));
    report("one dart, 501", bench.darts("five_0_1", darts_per_game));
    bench.start_game("cricket_choice", 2);
    report("draw_scoreboard, Cricket", bench.redraws(darts_per_game));
    bench.start_game("five_0_1", 2);
    report("draw_scoreboard, 501", bench.redraws(darts_per_game));
    return 0;
}
