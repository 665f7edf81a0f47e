#include "data/display_settings.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "data/int_text.h"

const std::array<ColorName, kColorNameCount> ColorNameTable = {{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clHotLight", 0x8000001A},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuBar", 0x8000001E},
    {"clMenuHighlight", 0x8000001D},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
}};

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// Converts field `number` of the line into the record; false when a colour cannot be read.
// Fields past the last one are ignored.
bool StoreField(DisplaySettings& d, int number, std::string_view text) {
    switch (static_cast<SettingsField>(number)) {
        case SettingsField::StayOnTop:
            d.StayOnTop = text == "1";
            return true;
        case SettingsField::ShowTips:
            d.ShowTipsOnStartup = text == "1";
            return true;
        case SettingsField::FleetSize:
            d.DefaultFleetSize = ToInt64Or(text, 0);
            return true;
        case SettingsField::Attacker:
            d.DefaultAttacker = ToInt32Or(text, 0);
            return true;
        case SettingsField::Defender:
            d.DefaultDefender = ToInt32Or(text, 0);
            return true;
        case SettingsField::FirstColor:
            break;
    }
    if (number > kSettingsFieldCount) {
        return true;
    }
    const std::optional<ColorValue> color = ParseColorText(text);
    if (!color) {
        return false;
    }
    d.*kColorFields[number - static_cast<int>(SettingsField::FirstColor)].value = *color;
    return true;
}

bool ParseLineInto(DisplaySettings& d, std::string_view line) {
    int counter = 0;
    std::size_t fieldStart = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ',') {
            continue;
        }
        ++counter;
        if (!StoreField(d, counter, line.substr(fieldStart, i - fieldStart))) {
            return false;
        }
        fieldStart = i + 1;
    }
    return true;
}

}  // namespace

std::optional<ColorValue> ParseColorText(std::string_view text) {
    for (const ColorName& entry : ColorNameTable) {
        if (EqualsIgnoringCase(entry.name, text)) {
            return entry.value;
        }
    }
    const std::optional<std::int32_t> number = ParseInt32(text);
    if (!number) {
        return std::nullopt;
    }
    return static_cast<ColorValue>(*number);
}

std::string ColorText(ColorValue color) {
    for (const ColorName& entry : ColorNameTable) {
        if (entry.value == color) {
            return std::string(entry.name);
        }
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
    return buffer;
}

void ParseSettingsLine(SettingsState& settings) {
    if (!ParseLineInto(settings.Display, settings.SettingsLine)) {
        settings.SettingsLine = DefaultSettingsLine;
        ParseLineInto(settings.Display, settings.SettingsLine);
    }
}

std::string BuildSettingsLine(const SettingsPanelValues& panel, const DisplaySettings& colors) {
    std::string line;
    line += panel.stayOnTop ? "1," : "0,";
    line += panel.showTips ? "1," : "0,";
    line += panel.fleetSizeText + ",";
    line += std::to_string(panel.attackerIndex) + ",";
    line += std::to_string(panel.defenderIndex) + ",";
    for (const ColorField& field : kColorFields) {
        line += ColorText(colors.*field.value) + ",";
    }
    return line;
}

ColorValue& ColorOf(DisplaySettings& settings, ColorRole role) {
    return settings.*kColorFields[static_cast<std::size_t>(role)].value;
}

ColorValue ColorOf(const DisplaySettings& settings, ColorRole role) {
    return settings.*kColorFields[static_cast<std::size_t>(role)].value;
}
