// The whole program, started as main starts it, ending after the calculator's first paint.
#include <QApplication>

#include "first_paint.h"
#include "ui/main/program.h"
#include "ui/main/tform1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    ReportFirstPaint report;
    program.MainWindow().installEventFilter(&report);
    program.Start();
    return QApplication::exec();
}
