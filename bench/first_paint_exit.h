#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// Peak resident set size of this process so far, in KiB (VmHWM), or -1 where it cannot be read.
inline long peak_rss_kib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// Ends the process as soon as the window has painted its first frame, printing the peak
// resident set size. The start-up benchmark times a launch from process start to this exit,
// for Quendel and for the bare baseline window alike.
class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QWidget* window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            // Leave once this paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
                std::printf("peak_rss_kib=%ld\n", peak_rss_kib());
                std::fflush(stdout);
                std::_Exit(0);
            });
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    QWidget* window_;
};
