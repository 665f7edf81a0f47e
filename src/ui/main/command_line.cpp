#include "ui/main/command_line.h"

#include <algorithm>

namespace {

bool HasArgument(const std::vector<std::string_view>& args, std::string_view wanted) {
    return std::find(args.begin(), args.end(), wanted) != args.end();
}

std::string HelpText() {
    return "Usage: skirmod [--help | --version]\n"
           "\n"
           "Skirmod is a battle calculator for a tick-based browser strategy game: it shows\n"
           "what one tick of combat between two ship types kills, holds or captures.\n"
           "\n"
           "It reads ShipStats.txt and ReadMe1st.txt from the current folder and writes\n"
           "ShipStats.txt there when you save. skirmod-launcher starts it in the per-user\n"
           "folder ${XDG_DATA_HOME:-~/.local/share}/skirmod with sample files.\n"
           "\n"
           "  --help     print this help and exit\n"
           "  --version  print the version and exit\n";
}

}  // namespace

std::optional<std::string> CommandLineReply(const std::vector<std::string_view>& args,
                                            std::string_view version) {
    if (HasArgument(args, "--help")) {
        return HelpText();
    }
    if (HasArgument(args, "--version")) {
        return "skirmod " + std::string(version) + "\n";
    }
    return std::nullopt;
}
