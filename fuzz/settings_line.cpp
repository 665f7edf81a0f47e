#include <cstdint>
#include <string>

#include "data/display_settings.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsState settings;
    settings.SettingsLine.assign(reinterpret_cast<const char*>(data), size);
    const std::string given = settings.SettingsLine;
    ParseSettingsLine(settings);
    // Either the line was read as it stands, or it fell back to the default line whole.
    Require(settings.SettingsLine == given || settings.SettingsLine == DefaultSettingsLine,
            "settings.SettingsLine == given || settings.SettingsLine == DefaultSettingsLine");
    if (settings.SettingsLine == DefaultSettingsLine && given != DefaultSettingsLine) {
        Require(settings.Display == DisplaySettings{}, "settings.Display == DisplaySettings{}");
    }

    // The record written back as a line parses to the same record.
    const DisplaySettings& d = settings.Display;
    const SettingsPanelValues panel{d.StayOnTop, d.ShowTipsOnStartup,
                                    std::to_string(d.DefaultFleetSize), d.DefaultAttacker,
                                    d.DefaultDefender};
    SettingsState again;
    again.SettingsLine = BuildSettingsLine(panel, d);
    const std::string built = again.SettingsLine;
    ParseSettingsLine(again);
    Require(again.SettingsLine == built, "again.SettingsLine == built");
    Require(again.Display == d, "again.Display == d");
    return 0;
}
