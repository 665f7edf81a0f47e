// Writes the ShipStats.txt that the package installs as every player's starting file: the
// built-in table and settings, written by the same code as the Setup section's Restore.
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "core/program_state.h"
#include "core/stats_storage.h"

namespace {

// Stands in for the save dialog: the file name comes from the command line.
class FixedSaveTarget : public Frontend {
  public:
    explicit FixedSaveTarget(std::string path) : m_path(std::move(path)) {}

    std::optional<std::string> ChooseSaveFile(const std::string&) override { return m_path; }

  private:
    std::string m_path;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_FILE\n";
        return 2;
    }
    FixedSaveTarget target(argv[1]);
    ProgramState state;
    state.Ui = &target;
    const SaveResult result = SaveDefaultStatsFile(state);
    if (!result.Message.empty()) {
        std::cerr << argv[0] << ": " << result.Message << '\n';
    }
    return result.Outcome == SaveOutcome::Saved ? 0 : 1;
}
