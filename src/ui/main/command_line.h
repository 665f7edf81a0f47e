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
    "skirmod: cannot open a display (DISPLAY and WAYLAND_DISPLAY are not set)\n";
