#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text that "--help" or "--version" prints, when one of them is among the arguments;
// nothing when the windows should open. Other arguments are left to Qt.
std::optional<std::string> CommandLineReply(const std::vector<std::string_view>& args,
                                            std::string_view version);

inline constexpr std::string_view kNoDisplayMessage =
    "skirmod: cannot open a display (set DISPLAY for X11 or WAYLAND_DISPLAY for Wayland)\n";
