// Starts the program and the minimal Qt window alternately, each as a fresh process, and
// compares their medians: time from the start of the process to the first paint of its
// window, and the peak resident memory at that moment.
//
//   skirmod_startup_compare PROGRAM MINIMAL [RUNS]
//
// Both run in the current folder (give it a ShipStats.txt so start-up asks nothing) on the
// platform the environment chooses.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    long peakKiB = 0;
};

std::optional<Sample> RunOnce(const QString& program) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {});
    if (!child.waitForReadyRead(20000)) {
        return std::nullopt;
    }
    Sample sample;
    sample.milliseconds = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() != 2 || words[0] != "shown" || !child.waitForFinished(20000)) {
        return std::nullopt;
    }
    sample.peakKiB = words[1].toLong();
    return sample;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Medians {
    double milliseconds;
    long peakKiB;
};

Medians MediansOf(const std::vector<Sample>& samples) {
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Sample& sample : samples) {
        times.push_back(sample.milliseconds);
        peaks.push_back(sample.peakKiB);
    }
    return {Median(times), Median(peaks)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM MINIMAL [RUNS]\n", argv[0]);
        return 2;
    }
    const QString programs[] = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
    std::vector<Sample> samples[2];
    // One warm-up each, so neither pays for a cold file cache.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const std::optional<Sample> sample = RunOnce(programs[which]);
            if (!sample) {
                std::fprintf(stderr, "error: %s did not show its window\n", argv[1 + which]);
                return 1;
            }
            if (run >= 0) {
                samples[which].push_back(*sample);
            }
        }
    }
    const Medians program = MediansOf(samples[0]);
    const Medians minimal = MediansOf(samples[1]);
    std::printf(
        "platform %s, %d runs each, medians\n",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData(),
        runs);
    std::printf("  program  %7.1f ms  %7ld KiB peak\n", program.milliseconds, program.peakKiB);
    std::printf("  minimal  %7.1f ms  %7ld KiB peak\n", minimal.milliseconds, minimal.peakKiB);
    std::printf("  ratio    %7.2f     %7.2f\n", program.milliseconds / minimal.milliseconds,
                static_cast<double>(program.peakKiB) / static_cast<double>(minimal.peakKiB));
    return 0;
}
