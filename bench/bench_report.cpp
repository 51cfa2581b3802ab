// Start-up and memory of Quendel side by side with the bare baseline window, launched
// alternately, then the in-process dart timings. Run through bench/run.sh.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Launch {
    double millis = 0;
    long peak_rss_kib = -1;
};

Launch launch(const QString& program, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        std::fprintf(stderr, "bench_report: %s did not finish cleanly\n", qPrintable(program));
        std::exit(1);
    }
    Launch result;
    result.millis = clock.nsecsElapsed() / 1e6;
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const qsizetype at = out.indexOf("peak_rss_kib=");
    if (at >= 0) result.peak_rss_kib = out.mid(at + 13).section('\n', 0, 0).toLong();
    return result;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void compare_startup(const QString& dir, const QString& platform, const QString& display, int runs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", platform);
    if (!display.isEmpty()) env.insert("DISPLAY", display);
    std::vector<double> quendel_ms, baseline_ms, quendel_rss, baseline_rss;
    launch(dir + "/startup_probe", env);  // warm the file cache for both
    launch(dir + "/baseline_window", env);
    for (int i = 0; i < runs; ++i) {
        const Launch q = launch(dir + "/startup_probe", env);
        const Launch b = launch(dir + "/baseline_window", env);
        quendel_ms.push_back(q.millis);
        baseline_ms.push_back(b.millis);
        quendel_rss.push_back(q.peak_rss_kib / 1024.0);
        baseline_rss.push_back(b.peak_rss_kib / 1024.0);
    }
    const double qm = median(quendel_ms), bm = median(baseline_ms);
    std::printf("| start-up ms, %-9s | %4d | %7.1f | %7.1f | %7.1f | %7.1f | %5.2f |\n", qPrintable(platform), runs,
                *std::min_element(quendel_ms.begin(), quendel_ms.end()), qm,
                *std::min_element(baseline_ms.begin(), baseline_ms.end()), bm, qm / bm);
    std::printf("| peak RSS MiB, %-8s | %4d | %7.1f | %7.1f | %7.1f | %7.1f | %+5.1f MiB |\n", qPrintable(platform),
                runs, *std::min_element(quendel_rss.begin(), quendel_rss.end()), median(quendel_rss),
                *std::min_element(baseline_rss.begin(), baseline_rss.end()), median(baseline_rss),
                median(quendel_rss) - median(baseline_rss));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QStringList args = app.arguments();
    const int runs = args.contains("--runs") ? args.at(args.indexOf("--runs") + 1).toInt() : 20;
    const QString display = args.contains("--display") ? args.at(args.indexOf("--display") + 1) : QString();

    std::printf("| measure                 | runs | Quendel min | Quendel median | baseline min | baseline median | Quendel vs baseline (medians) |\n");
    std::printf("|-------------------------|------|-------------|----------------|--------------|-----------------|-------------------------------|\n");
    compare_startup(dir, "offscreen", QString(), runs);
    if (!display.isEmpty()) compare_startup(dir, "xcb", display, runs);
    std::fflush(stdout);
    return 0;
}
