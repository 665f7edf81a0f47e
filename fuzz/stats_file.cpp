#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/latin1_text.h"
#include "data/stats_file.h"
#include "fuzz_check.h"

namespace {

std::string ReadBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every CR LF, lone CR and lone LF as CR LF, worked out independently of the file view.
std::string WithCrLfLineEnds(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            text += "\r\n";
            i += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 1 : 0;
        } else {
            text += bytes[i];
        }
    }
    return text;
}

// The bytes the view's text was read from, less a byte-order mark: the text itself, or the
// UTF-8 it was converted from.
std::string SourceBytes(const FileView& view) {
    return view.ReadAsUtf8() ? Utf8FromLatin1(view.Text()) : view.Text();
}

std::string WithoutByteOrderMark(const std::string& bytes) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return bytes.starts_with(kMark) ? bytes.substr(kMark.size()) : bytes;
}

// Loaded as start-up loads it; `whole` tells whether the file was used or the defaults
// stand in.
ProgramState LoadedState(bool& whole) {
    ProgramState state;
    whole = LoadStatsFile(state) == StatsFileRead::Whole;
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/skirmod-fuzz-XXXXXX";
    Require(mkdtemp(folder) != nullptr, "a scratch folder");
    std::filesystem::current_path(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream("ShipStats.txt", std::ios::binary | std::ios::trunc) << bytes;

    bool whole = false;
    ProgramState state = LoadedState(whole);
    const FileView& view = state.Stats.FileMemo;
    Require(view.Count() == kStatsFileLines, "the view holds a whole stats file");
    if (whole) {
        const std::string read = view.ReadAsUtf8() ? WithoutByteOrderMark(bytes) : bytes;
        Require(SourceBytes(view) == WithCrLfLineEnds(read), "the file is held as read");
        for (std::size_t field = 0; field < kShipCount * kColumnCount; ++field) {
            Require(state.StoredStats[field / kColumnCount].fields[field % kColumnCount] ==
                        view.Line(3 * field + 3),
                    "every field is its value line");
        }
    } else {
        Require(state.StoredStats == DefaultShipTable(), "a damaged file gives the defaults");
    }

    // What the program writes loads back byte for byte and field for field.
    Require(SaveModifiedStatsFile(state, "saved.txt", "07/12/2026 10:00:00").Outcome ==
                SaveOutcome::Saved,
            "the save succeeds");
    const std::string written = ReadBytes("saved.txt");
    Require(written == view.Text(), "the file is the view");
    std::filesystem::rename("saved.txt", "ShipStats.txt");
    bool reloadedWhole = false;
    const ProgramState reloaded = LoadedState(reloadedWhole);
    Require(reloadedWhole, "a written file is never damaged");
    Require(SourceBytes(reloaded.Stats.FileMemo) == written, "reloading keeps every byte");
    // Latin-1 that happens to be UTF-8 too is read as UTF-8 again: its fields change.
    if (!reloaded.Stats.FileMemo.ReadAsUtf8()) {
        Require(reloaded.StoredStats == state.StoredStats, "reloading keeps every field");
        Require(reloaded.Settings.SettingsLine == state.Settings.SettingsLine,
                "reloading keeps the settings line");
    }
    return 0;
}
