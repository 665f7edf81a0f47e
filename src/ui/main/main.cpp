#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/common/fonts.h"
#include "ui/main/command_line.h"
#include "ui/main/platform_choice.h"
#include "ui/main/program.h"
#include "version.h"

namespace {

#ifdef _WIN32

// Windows always has its desktop.
bool PrepareDisplayPlatform() {
    return true;
}

#else

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

PlatformEnvironment ReadPlatformEnvironment() {
    return {EnvironmentValue("QT_QPA_PLATFORM"), EnvironmentValue("WAYLAND_DISPLAY"),
            EnvironmentValue("DISPLAY"), EnvironmentValue("XDG_SESSION_TYPE")};
}

// X11 and Wayland may be missing, or both there: says so, or picks Qt's platform.
bool PrepareDisplayPlatform() {
    const PlatformEnvironment environment = ReadPlatformEnvironment();
    if (!DisplayAvailable(environment)) {
        std::cerr << kNoDisplayMessage;
        return false;
    }
    if (const auto platform = ChoosePlatform(environment)) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
    return true;
}

#endif

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so they work without a display and open no window.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (const auto reply = CommandLineReply(args, SKIRMOD_VERSION)) {
        std::cout << *reply;
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
