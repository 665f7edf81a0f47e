// Writes the ShipStats.txt that the package installs as every player's starting file: the
// built-in table and settings, written by the same code as the Setup section's Restore.
#include <iostream>
#include <string>
#include <string_view>

#include "core/engine.h"

int main(int argc, char* argv[]) {
    const std::string usage = std::string("usage: ") + argv[0] + " OUTPUT_FILE\n";
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << usage;
        return 0;
    }
    // A name that starts with "-" is a mistyped option, not the file to write.
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << usage;
        return 2;
    }
    // The file name comes from the command line, where Restore asks the save dialog.
    Engine engine;
    const SaveResult result = engine.SaveDefaultStatsFile(argv[1]);
    if (!result.Message.empty()) {
        std::cerr << argv[0] << ": " << result.Message << '\n';
    }
    return result.Outcome == SaveOutcome::Saved ? 0 : 1;
}
