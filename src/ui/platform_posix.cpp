#include <QFile>
#include <cstdlib>
#include <iostream>

#include "ui/main/command_line.h"
#include "ui/main/platform_choice.h"
#include "ui/platform.h"

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

PlatformEnvironment ReadPlatformEnvironment() {
    return {EnvironmentValue("QT_QPA_PLATFORM"), EnvironmentValue("WAYLAND_DISPLAY"),
            EnvironmentValue("DISPLAY"), EnvironmentValue("XDG_SESSION_TYPE")};
}

}  // namespace

// Qt's file name encoding is that of the system already.
QString FromPathText(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

std::string ToPathText(const QString& path) {
    return QFile::encodeName(path).toStdString();
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

bool UseSystemSaveDialog() {
    return false;
}

void ShowCommandLineReply(const std::string& text) {
    std::cout << text;
}
