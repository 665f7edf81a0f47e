#include <QApplication>

#include "ui/main/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets desktops match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.skirmod.Skirmod"));
    Program program;
    return program.Run();
}
