#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "data/enum_table.h"

// 0x00BBGGRR for an ordinary colour; 0x80000000 + index names a system colour;
// 0x1FFFFFFF is "no colour" and 0x20000000 the control's default colour.
using ColorValue = std::uint32_t;

struct ColorName {
    std::string_view name;
    ColorValue value;
};

inline constexpr std::size_t kColorNameCount = 52;
extern const std::array<ColorName, kColorNameCount> ColorNameTable;

struct DisplaySettings {
    bool StayOnTop = true;
    bool ShowTipsOnStartup = false;
    std::int64_t DefaultFleetSize = 0;
    std::int32_t DefaultAttacker = 0;
    std::int32_t DefaultDefender = 0;
    ColorValue MainBackground = 0x00000000;
    ColorValue MainBorder = 0x00F0CAA6;
    ColorValue MainText = 0x00F0CAA6;
    ColorValue MainHighlight = 0x00FFFF00;
    ColorValue DetailsBackground = 0x00F0CAA6;
    ColorValue DetailsText = 0x00800000;
    ColorValue DetailsHighlight = 0x00FF0000;

    bool operator==(const DisplaySettings&) const = default;
};

// The seven colours of the display settings, in the order of the settings line.
enum class ColorRole {
    MainBackground,
    MainBorder,
    MainText,
    MainHighlight,
    DetailsBackground,
    DetailsText,
    DetailsHighlight,
};

struct ColorField {
    ColorRole role;
    ColorValue DisplaySettings::*value;
};

// The one list of the colours: the settings line, the settings panel and both windows'
// previews go through it.
inline constexpr ColorField kColorFields[] = {
    {ColorRole::MainBackground, &DisplaySettings::MainBackground},
    {ColorRole::MainBorder, &DisplaySettings::MainBorder},
    {ColorRole::MainText, &DisplaySettings::MainText},
    {ColorRole::MainHighlight, &DisplaySettings::MainHighlight},
    {ColorRole::DetailsBackground, &DisplaySettings::DetailsBackground},
    {ColorRole::DetailsText, &DisplaySettings::DetailsText},
    {ColorRole::DetailsHighlight, &DisplaySettings::DetailsHighlight},
};

static_assert(IndexedByEnum(kColorFields, &ColorField::role), "ColorOf indexes it by role");

ColorValue& ColorOf(DisplaySettings& settings, ColorRole role);
ColorValue ColorOf(const DisplaySettings& settings, ColorRole role);

// The fields of the settings line, each ended by a comma, numbered from 1; the seven
// colours follow in the order of kColorFields.
enum class SettingsField {
    StayOnTop = 1,
    ShowTips,
    FleetSize,
    Attacker,
    Defender,
    FirstColor,
};

inline constexpr int kSettingsFieldCount =
    static_cast<int>(SettingsField::FirstColor) + static_cast<int>(std::size(kColorFields)) - 1;

inline constexpr std::string_view DefaultSettingsLine =
    "1,0,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,";

// The record together with its stored form, the fourth line of ShipStats.txt.
struct SettingsState {
    DisplaySettings Display;
    std::string SettingsLine{DefaultSettingsLine};
    std::string SavedSettingsLine;
};

// Sets the record's fields from SettingsLine, one comma-terminated field at a time.
// A colour that cannot be read resets SettingsLine to the default line and parses that.
void ParseSettingsLine(SettingsState& settings);

// What the settings panel's controls hold when the settings are saved.
struct SettingsPanelValues {
    bool stayOnTop = true;
    bool showTips = false;
    std::string fleetSizeText = "0";
    int attackerIndex = 0;
    int defenderIndex = 0;
};

std::string BuildSettingsLine(const SettingsPanelValues& panel, const DisplaySettings& colors);

// The first table name with this value, else "$" and eight upper-case hex digits.
std::string ColorText(ColorValue color);

// A table name (any case) or a 32-bit integer; nullopt when it is neither.
std::optional<ColorValue> ParseColorText(std::string_view text);
