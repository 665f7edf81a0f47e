#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kShipCount = 54;
inline constexpr std::size_t kColumnCount = 19;

// Column order of the ship table, of the grid and of the stats file.
enum class Col : std::size_t {
    ShipName,
    Race,
    Cl,
    T1,
    T2,
    T3,
    Init,
    Ag,
    WPSP,
    Guns,
    Power,
    Armor,
    EMPRes,
    Metal,
    Crystal,
    Eon,
    Fuel,
    ETA,
    ShipType,
};

inline constexpr std::array<std::string_view, kColumnCount> StatsColumnNames = {
    "ShipName", "Race",  "Cl",     "T1",    "T2",      "T3",  "Init", "Ag",  "WPSP",    "Guns",
    "Power",    "Armor", "EMPRes", "Metal", "Crystal", "Eon", "Fuel", "ETA", "ShipType"};

// One ship type. Every field is 8-bit text, numbers included; nothing is checked or
// converted when a record is stored, loaded or copied.
struct ShipRecord {
    std::array<std::string, kColumnCount> fields;

    std::string& operator[](Col c) { return fields[static_cast<std::size_t>(c)]; }
    const std::string& operator[](Col c) const { return fields[static_cast<std::size_t>(c)]; }

    bool operator==(const ShipRecord&) const = default;
};

using ShipTable = std::array<ShipRecord, kShipCount>;

// Row lookup that never leaves the table: a row past the end reads as row 0.
inline const ShipRecord& ShipAt(const ShipTable& table, std::size_t row) {
    return table[row < kShipCount ? row : 0];
}
