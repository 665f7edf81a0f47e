#include "ui/main/command_line.h"

#include <algorithm>

#include "help_text.h"

namespace {

bool HasArgument(const std::vector<std::string_view>& args, std::string_view wanted) {
    return std::find(args.begin(), args.end(), wanted) != args.end();
}

}  // namespace

std::optional<std::string> CommandLineReply(const std::vector<std::string_view>& args,
                                            std::string_view version) {
    if (HasArgument(args, "--help")) {
        return std::string(kHelpText);
    }
    if (HasArgument(args, "--version")) {
        return "skirmod " + std::string(version) + "\n";
    }
    return std::nullopt;
}
