#include "data/display_settings.h"

#include <gtest/gtest.h>

namespace {

SettingsState ParsedFrom(std::string line, DisplaySettings before = {}) {
    SettingsState s;
    s.Display = before;
    s.SettingsLine = std::move(line);
    ParseSettingsLine(s);
    return s;
}

DisplaySettings NonDefaultSettings() {
    DisplaySettings d;
    d.StayOnTop = false;
    d.ShowTipsOnStartup = true;
    d.DefaultFleetSize = 77;
    d.DefaultAttacker = 5;
    d.DefaultDefender = 6;
    d.MainBackground = 0x00010203;
    d.MainBorder = 0x00040506;
    d.MainText = 0x00070809;
    d.MainHighlight = 0x000A0B0C;
    d.DetailsBackground = 0x000D0E0F;
    d.DetailsText = 0x00101112;
    d.DetailsHighlight = 0x00131415;
    return d;
}

}  // namespace

TEST(SettingsLine, DefaultLineGivesTheDefaultRecordAndRebuildsToItself) {
    const SettingsState s = ParsedFrom(std::string(DefaultSettingsLine), NonDefaultSettings());
    EXPECT_EQ(s.Display, DisplaySettings{});
    EXPECT_EQ(s.SettingsLine, DefaultSettingsLine);
    const SettingsPanelValues panel{true, false, "0", 0, 0};
    EXPECT_EQ(BuildSettingsLine(panel, s.Display), DefaultSettingsLine);
}

TEST(SettingsLine, ColourNamesIgnoreCaseAndNumbersWork) {
    const SettingsState s =
        ParsedFrom("1,0,0,0,0,clskyblue,CLSKYBLUE,$00FF0000,16711680,-1,$80000005,0x10,");
    EXPECT_EQ(s.Display.MainBackground, 0x00F0CAA6u);
    EXPECT_EQ(s.Display.MainBorder, 0x00F0CAA6u);
    EXPECT_EQ(s.Display.MainText, 0x00FF0000u);
    EXPECT_EQ(s.Display.MainHighlight, 0x00FF0000u);
    EXPECT_EQ(s.Display.DetailsBackground, 0xFFFFFFFFu);
    EXPECT_EQ(s.Display.DetailsText, 0x80000005u);
    EXPECT_EQ(s.Display.DetailsHighlight, 0x10u);
}

TEST(SettingsLine, UnknownColourFallsBackToTheWholeDefaultLine) {
    for (const char* bad : {"1,1,5,3,4,clBlack,clSkyBlue,clPink,clAqua,clSkyBlue,clNavy,clBlue,",
                            "1,1,5,3,4,,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,",
                            "0,1,5,3,4,$100000000,", "0,1,5,3,4,clBlack ,"}) {
        const SettingsState s = ParsedFrom(bad, NonDefaultSettings());
        EXPECT_EQ(s.Display, DisplaySettings{}) << bad;
        EXPECT_EQ(s.SettingsLine, DefaultSettingsLine) << bad;
    }
}

TEST(SettingsLine, OnlyFieldsFollowedByACommaCount) {
    const DisplaySettings before = NonDefaultSettings();
    EXPECT_EQ(ParsedFrom("", before).Display, before);
    EXPECT_EQ(ParsedFrom("1", before).Display, before);

    const SettingsState three = ParsedFrom("1,0,42,7", before);
    DisplaySettings expected = before;
    expected.StayOnTop = true;
    expected.ShowTipsOnStartup = false;
    expected.DefaultFleetSize = 42;
    EXPECT_EQ(three.Display, expected);

    // Missing final comma: field 12 keeps its value.
    const SettingsState eleven =
        ParsedFrom("1,0,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue", before);
    EXPECT_EQ(eleven.Display.DetailsText, 0x00800000u);
    EXPECT_EQ(eleven.Display.DetailsHighlight, before.DetailsHighlight);

    // A thirteenth field, even an unreadable one, and trailing text are ignored.
    const std::string longLine =
        "1,0,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,clPink,junk";
    const SettingsState extra = ParsedFrom(longLine, before);
    EXPECT_EQ(extra.Display, DisplaySettings{});
    EXPECT_EQ(extra.SettingsLine, longLine);
}

TEST(SettingsLine, FlagsAndNumbers) {
    const SettingsState s = ParsedFrom("2, 1,12345678901,abc,-1,");
    EXPECT_FALSE(s.Display.StayOnTop);
    EXPECT_FALSE(s.Display.ShowTipsOnStartup);
    EXPECT_EQ(s.Display.DefaultFleetSize, 12345678901LL);
    EXPECT_EQ(s.Display.DefaultAttacker, 0);
    EXPECT_EQ(s.Display.DefaultDefender, -1);
    EXPECT_EQ(ParsedFrom("1,1,xyz,").Display.DefaultFleetSize, 0);
}

TEST(SettingsLine, ColourTextPrefersTheFirstNameElseEightHexDigits) {
    EXPECT_EQ(ColorText(0x00F0CAA6), "clSkyBlue");
    EXPECT_EQ(ColorText(0x00000000), "clBlack");
    EXPECT_EQ(ColorText(0x80000005), "clWindow");
    EXPECT_EQ(ColorText(0x00010203), "$00010203");
    EXPECT_EQ(ColorText(0x00030201), "$00030201");
    EXPECT_EQ(ColorText(0x00ABCDEF), "$00ABCDEF");
}

TEST(SettingsLine, BuiltLineParsesBackToTheSameRecord) {
    const DisplaySettings d = NonDefaultSettings();
    const SettingsPanelValues panel{false, true, "77", 5, 6};
    const SettingsState s = ParsedFrom(BuildSettingsLine(panel, d));
    EXPECT_EQ(s.Display, d);
    EXPECT_EQ(BuildSettingsLine(panel, d),
              "0,1,77,5,6,$00010203,$00040506,$00070809,$000A0B0C,$000D0E0F,$00101112,"
              "$00131415,");
}

TEST(SettingsLine, NameTableHasAllEntriesInOrder) {
    EXPECT_EQ(ColorNameTable.front().name, "clBlack");
    EXPECT_EQ(ColorNameTable[19].name, "clMedGray");
    EXPECT_EQ(ColorNameTable[20].name, "clActiveBorder");
    EXPECT_EQ(ColorNameTable[29].value, 0x20000000u);
    EXPECT_EQ(ColorNameTable[45].value, 0x1FFFFFFFu);
    EXPECT_EQ(ColorNameTable.back().name, "clWindowText");
    for (const ColorName& entry : ColorNameTable) {
        EXPECT_EQ(ParseColorText(entry.name), entry.value) << entry.name;
    }
}
