#include <QApplication>

#include "ui/main/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    return program.Run();
}
