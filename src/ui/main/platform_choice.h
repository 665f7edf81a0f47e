#pragma once

#include <optional>
#include <string>

// The environment values that decide which window system Qt talks to; an unset variable
// and an empty one mean the same.
struct PlatformEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM: the user's own choice
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string display;         // DISPLAY: an X server, XWayland included
    std::string sessionType;     // XDG_SESSION_TYPE
};

// Wayland lets no window stay on top or place itself, so X11 (XWayland) wins whenever both
// are there; the user's own QT_QPA_PLATFORM always wins. Returns the value to give
// QT_QPA_PLATFORM, or nothing to leave Qt's own choice alone.
std::optional<std::string> ChoosePlatform(const PlatformEnvironment& env);

// False when Qt would find no window system to open a window on.
bool DisplayAvailable(const PlatformEnvironment& env);
