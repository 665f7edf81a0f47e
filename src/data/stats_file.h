#pragma once

#include <string>
#include <string_view>

#include "data/ship_table.h"

class FileView;

// One header line, then three lines for each of the 54 x 19 fields (label, value, empty);
// line 4 carries the settings line.
inline constexpr std::size_t kStatsFileLines = 1 + 3 * kShipCount * kColumnCount;
inline constexpr std::size_t kSettingsLineNumber = 4;

// The address is kept short so that the header box shows the line without wrapping.
inline constexpr std::string_view kDefaultFileHeader =
    "Default ShipStats. Source.... Taken from manual on 29/05/2003 at skirmod.example/manual";
inline constexpr std::string_view kModifiedFileHeader =
    "Modified ShipStats.txt file. Last Edited... ";

// Rebuilds the view in the stats file layout from `table`, line 4 left empty.
void FillFileView(FileView& view, std::string_view header, const ShipTable& table);

// The 54 x 19 values of a view in that layout; lines past its end read as empty text.
void ReadFieldsFromView(const FileView& view, ShipTable& table);
