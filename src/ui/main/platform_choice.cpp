#include "ui/main/platform_choice.h"

#include <string_view>

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// One entry of QT_QPA_PLATFORM ("xcb", "wayland:option", "offscreen"...) can open windows
// when the system it names is there; platforms without a window system always can.
bool PlatformEntryUsable(std::string_view entry, const PlatformEnvironment& env) {
    if (StartsWith(entry, "xcb")) {
        return !env.display.empty();
    }
    if (StartsWith(entry, "wayland")) {
        return !env.waylandDisplay.empty();
    }
    return !entry.empty();
}

// QT_QPA_PLATFORM may list fallbacks separated by ';'.
bool ChosenPlatformUsable(const PlatformEnvironment& env) {
    std::string_view rest = env.qpaPlatform;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        if (PlatformEntryUsable(rest.substr(0, end), env)) {
            return true;
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return false;
}

}  // namespace

std::optional<std::string> ChoosePlatform(const PlatformEnvironment& env) {
    if (!env.qpaPlatform.empty()) {
        return std::nullopt;
    }
    const bool wayland = !env.waylandDisplay.empty() || env.sessionType == "wayland";
    if (!env.display.empty()) {
        // In a plain X11 session Qt picks xcb by itself.
        return wayland ? std::optional<std::string>("xcb") : std::nullopt;
    }
    if (!env.waylandDisplay.empty()) {
        return "wayland";
    }
    return std::nullopt;
}

bool DisplayAvailable(const PlatformEnvironment& env) {
    if (!env.qpaPlatform.empty()) {
        return ChosenPlatformUsable(env);
    }
    return !env.display.empty() || !env.waylandDisplay.empty();
}
