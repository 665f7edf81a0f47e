#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/stats_file.h"
#include "ui/main/program.h"
#include "ui/main/tform1.h"

namespace {

// Run as a child process, the benchmark starts the whole program, an empty window or a
// window showing one line of text, and ends after the first paint of that window.
constexpr const char* kFirstShowOption = "--first-show";
constexpr const char* kWholeProgram = "program";
constexpr const char* kEmptyWindow = "empty-window";
constexpr const char* kTextWindow = "text-window";

// A ShipStats.txt with the built-in table, so start-up asks no question.
bool WriteStatsFile(const QString& folder) {
    FileView view;
    FillFileView(view, kDefaultFileHeader, DefaultShipTable());
    view.Replace(kSettingsLineNumber,
                 "1,0,250,0,1,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    return view.WriteTo(QDir(folder).filePath(QStringLiteral("ShipStats.txt")).toStdString())
        .empty();
}

// Reports and ends once the window's first paint has been drawn and put on screen.
class EndAtFirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool m_painted = false;
};

int RunUntilFirstShow(int argc, char* argv[], const char* what) {
    QApplication app(argc, argv);
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(2); });
    EndAtFirstPaint endAtFirstPaint;
    if (std::strcmp(what, kWholeProgram) == 0) {
        Program program;
        program.MainWindow().installEventFilter(&endAtFirstPaint);
        program.Start();
        return QApplication::exec();
    }
    QLabel window;
    if (std::strcmp(what, kTextWindow) == 0) {
        window.setText(QStringLiteral("Skirmod"));
    }
    window.resize(132, 126);
    window.installEventFilter(&endAtFirstPaint);
    window.show();
    return QApplication::exec();
}

// From a change of the count text to every result text of the main window and every
// report text set (the calculation and the reports run inside the change), and, when
// `repaint` is set, the window repainted before the next change.
void BM_CountChange(benchmark::State& bench, bool repaint) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    if (!WriteStatsFile(folder.path()) || !QDir::setCurrent(folder.path())) {
        bench.SkipWithError("no scratch folder");
        return;
    }
    {
        Program program;
        program.Start();
        QCoreApplication::processEvents();
        auto* count = program.MainWindow().findChild<QLineEdit*>(QStringLiteral("AttShips"));
        int ships = 0;
        for (auto _ : bench) {
            count->setText(QString::number(++ships % 100000));
            if (repaint) {
                program.MainWindow().repaint();
            }
            benchmark::DoNotOptimize(program.State().Combat.ResultLine.data());
        }
    }
    QDir::setCurrent(previous);
}
BENCHMARK_CAPTURE(BM_CountChange, ToResultsShown, false);
BENCHMARK_CAPTURE(BM_CountChange, ToWindowRepainted, true);

// A fresh process from its start to the first paint of its window (it reports that on its
// output; ending the process is not timed): the whole program
// (its start-up loads ShipStats.txt) against minimal windows of the same size, all from
// this executable, so all load the same libraries. Showing text at all costs the font
// set-up, which the empty window does without.
void BM_StartUpToFirstPaint(benchmark::State& bench, const char* what) {
    QTemporaryDir folder;
    if (!WriteStatsFile(folder.path())) {
        bench.SkipWithError("no scratch folder");
        return;
    }
    for (auto _ : bench) {
        QProcess child;
        child.setWorkingDirectory(folder.path());
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kFirstShowOption), QString::fromLatin1(what)});
        const bool shown = child.waitForReadyRead(20000);
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        const bool ended = child.waitForFinished(20000);
        if (!shown || !ended || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0) {
            bench.SkipWithError("the child did not show its window");
            return;
        }
    }
}
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, program, kWholeProgram)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, empty_window, kEmptyWindow)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, text_window, kTextWindow)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], kFirstShowOption) == 0) {
        return RunUntilFirstShow(argc, argv, argv[2]);
    }
    // Without a display the windows are drawn off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
