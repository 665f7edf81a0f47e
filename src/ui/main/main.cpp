#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ui/common/fonts.h"
#include "ui/main/command_line.h"
#include "ui/main/program.h"
#include "ui/platform.h"
#include "version.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so they work without a display and open no window.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (const auto reply = CommandLineReply(args, SKIRMOD_VERSION)) {
        ShowCommandLineReply(*reply);
        return EXIT_SUCCESS;
    }
    if (!PrepareDisplayPlatform()) {
        return EXIT_FAILURE;
    }

    // Fusion draws every control in the palette the settings give it; the native Windows
    // style draws edit boxes in the system's own colours instead. Named before the
    // application starts, so no other style is loaded first.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    InstallBundledFonts();
    // Lets desktops match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.skirmod.Skirmod"));
    // Every window without an icon of its own, both of ours included, takes this one.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skirmod/skirmod.png")));
    Program program;
    return program.Run();
}
