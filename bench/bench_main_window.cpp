#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/stats_file.h"
#include "ui/details/details_form.h"
#include "ui/main/program.h"
#include "ui/main/tform1.h"

namespace {

// Notes the first paint of the window it watches.
class PaintWatch : public QObject {
  public:
    bool Painted() const { return m_painted; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }

  private:
    bool m_painted = false;
};

// A ShipStats.txt with the built-in table, so start-up asks no question.
bool WriteStatsFile(const QString& folder) {
    FileView view;
    FillFileView(view, kDefaultFileHeader, DefaultShipTable());
    view.Replace(kSettingsLineNumber,
                 "1,0,250,0,1,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    return view.WriteTo(QDir(folder).filePath(QStringLiteral("ShipStats.txt")).toStdString()).Saved;
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
        program.DetailsWindow();
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

// From the click on "Details" to the Details window's first paint, once the program has
// started and built the window after the calculator's first paint. Each iteration is a
// fresh program, as only the first opening is measured.
void BM_DetailsFirstOpening(benchmark::State& bench) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    if (!WriteStatsFile(folder.path()) || !QDir::setCurrent(folder.path())) {
        bench.SkipWithError("no scratch folder");
        return;
    }
    for (auto _ : bench) {
        Program program;
        program.Start();
        TDetailsForm& details = program.DetailsWindow();
        QCoreApplication::processEvents();
        PaintWatch painted;
        details.installEventFilter(&painted);
        auto* detailsBtn = program.MainWindow().findChild<QLabel*>(QStringLiteral("DetailsBtn"));
        QElapsedTimer clock;
        clock.start();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                          detailsBtn->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                            detailsBtn->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(detailsBtn, &press);
        QCoreApplication::sendEvent(detailsBtn, &release);
        while (!painted.Painted() && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        if (!painted.Painted()) {
            bench.SkipWithError("the Details window was not painted");
            break;
        }
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_DetailsFirstOpening)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
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
