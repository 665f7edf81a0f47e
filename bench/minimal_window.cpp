// The yardstick for the program's start-up: the least a Qt program can do to show a window
// like the calculator, one frameless 132 x 126 window with one label.
#include <QApplication>
#include <QLabel>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Skirmod"));
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setFixedSize(132, 126);
    ReportFirstPaint report;
    window.installEventFilter(&report);
    window.show();
    return QApplication::exec();
}
