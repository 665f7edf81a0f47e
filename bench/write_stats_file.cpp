// Writes the built-in ShipStats.txt to the path given, for the start-up comparison.
#include <cstdio>

#include "data/default_ships.h"
#include "data/display_settings.h"
#include "data/file_view.h"
#include "data/stats_file.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    FileView view;
    FillFileView(view, kDefaultFileHeader, DefaultShipTable());
    view.Replace(kSettingsLineNumber, DefaultSettingsLine);
    const FileView::WriteReport report = view.WriteTo(argv[1]);
    if (!report.Message.empty()) {
        std::fprintf(stderr, "%s\n", report.Message.c_str());
    }
    return report.Saved ? 0 : 1;
}
