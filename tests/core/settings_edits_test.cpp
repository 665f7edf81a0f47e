#include "core/settings_edits.h"

#include <gtest/gtest.h>

#include "core/stats_storage.h"
#include "data/stats_file.h"

namespace {

constexpr char kFileLine[] = "0,1,250,3,7,clRed,clLime,clWhite,$00123456,clGray,clBlack,clNavy,";

// Start-up's state with the settings panel open on a file whose line 4 is kFileLine.
ProgramState WithPanelOpen() {
    ProgramState state;
    BuildDefaultStats(state);
    state.Stats.FileMemo.Replace(kSettingsLineNumber, kFileLine);
    OpenSettings(state);
    return state;
}

}  // namespace

TEST(SettingsEdits, OpeningTakesLineFourAsCurrentAndSavedLineWithoutParsingIt) {
    const ProgramState state = WithPanelOpen();
    EXPECT_EQ(state.Settings.SettingsLine, kFileLine);
    EXPECT_EQ(state.Settings.SavedSettingsLine, kFileLine);
    EXPECT_EQ(state.Settings.Display, DisplaySettings{});
}

TEST(SettingsEdits, ApplyingALineSetsTheSettingsAndAnUnreadableOneLeavesTheDefaults) {
    ProgramState state = WithPanelOpen();
    ApplySettingsLine(state, state.Settings.SavedSettingsLine);
    const DisplaySettings fromFileLine{false,    true,     250,      3,        7,        0x0000FF,
                                       0x00FF00, 0xFFFFFF, 0x123456, 0x808080, 0x000000, 0x800000};
    EXPECT_EQ(state.Settings.SettingsLine, kFileLine);
    EXPECT_EQ(state.Settings.Display, fromFileLine);

    ApplySettingsLine(state, "1,1,99,5,5,clNoSuchColour,");
    EXPECT_EQ(state.Settings.SettingsLine, DefaultSettingsLine);
    EXPECT_EQ(state.Settings.Display, DisplaySettings{});
    EXPECT_EQ(state.Settings.SavedSettingsLine, kFileLine);
}

// Each role writes its own field and no other; the line changes only when saved.
TEST(SettingsEdits, SetColorChangesOnlyTheRolesFieldAndNotTheLine) {
    const std::pair<ColorRole, ColorValue DisplaySettings::*> fields[] = {
        {ColorRole::MainBackground, &DisplaySettings::MainBackground},
        {ColorRole::MainBorder, &DisplaySettings::MainBorder},
        {ColorRole::MainText, &DisplaySettings::MainText},
        {ColorRole::MainHighlight, &DisplaySettings::MainHighlight},
        {ColorRole::DetailsBackground, &DisplaySettings::DetailsBackground},
        {ColorRole::DetailsText, &DisplaySettings::DetailsText},
        {ColorRole::DetailsHighlight, &DisplaySettings::DetailsHighlight},
    };
    for (const auto& [role, field] : fields) {
        ProgramState state = WithPanelOpen();
        DisplaySettings expected;
        expected.*field = 0x00ABCDEF;
        SetColor(state, role, 0x00ABCDEF);
        EXPECT_EQ(state.Settings.Display, expected) << static_cast<int>(role);
        EXPECT_EQ(state.Settings.SettingsLine, kFileLine);
    }
}
