#include "data/default_ships.h"

#include <cstddef>

#include "data/program_state.h"
#include "data/stats_file.h"

namespace {

using Row = std::array<const char*, kColumnCount>;

// Five groups: the Aurelian line, the Vexari EMP fleet, the cloaked Shadari, the Ravager
// raiders with their boarding ships, and the independent pods and planetary defences.
// clang-format off
constexpr std::array<Row, kShipCount> kDefaultRows = {{
    // ShipName, Race, Cl, T1, T2, T3, Init, Ag, WPSP, Guns, Power, Armor, EMPRes, Metal, Crystal, Eon, Fuel, ETA, ShipType
    {"Sparrow",         "Aur", "Fi", "Co", "Fr", "Fi",  "1",  "41", "32", "3",  "4",  "7",  "22",  "750",   "550",   "0",     "40",  "2", "Normal"},
    {"Kestrel",         "Aur", "Co", "Fi", "Co", "Fr",  "18", "36", "25", "4",  "8",  "14", "40",  "1680",  "1110",  "0",     "57",  "3", "Normal"},
    {"Harrier",         "Aur", "Co", "Fr", "De", "-",   "8",  "34", "25", "4",  "10", "19", "37",  "2040",  "1440",  "0",     "55",  "3", "Normal"},
    {"Lancer",          "Aur", "Fr", "Co", "Fr", "-",   "26", "28", "20", "7",  "9",  "33", "50",  "4100",  "2210",  "0",     "74",  "3", "Normal"},
    {"Warden",          "Aur", "Fr", "Fi", "Co", "All", "21", "26", "23", "6",  "15", "55", "44",  "6060",  "3400",  "0",     "102", "3", "Normal"},
    {"Paladin",         "Aur", "Fr", "De", "Cr", "-",   "20", "22", "25", "6",  "13", "33", "47",  "4470",  "2470",  "0",     "62",  "3", "Normal"},
    {"Sentinel",        "Aur", "De", "Fr", "De", "-",   "37", "16", "23", "8",  "28", "116","51",  "13250", "7570",  "0",     "131", "4", "Normal"},
    {"ColonyPod",       "Aur", "De", "-",  "-",  "-",   "36", "20", "0",  "1",  "0",  "39", "53",  "1930",  "1310",  "0",     "202", "4", "Special"},
    {"Vindicator",      "Aur", "Cr", "Cr", "Bs", "-",   "40", "13", "11", "15", "32", "238","68",  "22960", "17290", "0",     "394", "4", "Normal"},
    {"Templar",         "Aur", "Cr", "De", "Cr", "Fr",  "45", "14", "13", "12", "32", "176","69",  "23020", "15690", "0",     "319", "4", "Normal"},
    {"Sovereign",       "Aur", "Bs", "Bs", "Cr", "-",   "47", "8",  "11", "13", "73", "428","79",  "54200", "37150", "0",     "756", "5", "Normal"},
    {"Dreadnought",     "Aur", "Bs", "Cr", "Bs", "-",   "51", "7",  "15", "17", "45", "365","76",  "47280", "32070", "0",     "611", "5", "Normal"},
    {"Static",          "Vex", "Fi", "Fi", "Co", "-",   "6",  "38", "0",  "1",  "0",  "7",  "26",  "870",   "570",   "0",     "10",  "2", "EMP"},
    {"Flicker",         "Vex", "Fi", "Fi", "-",  "-",   "4",  "39", "0",  "1",  "0",  "8",  "21",  "820",   "660",   "0",     "36",  "2", "EMP"},
    {"Pulsar",          "Vex", "Co", "Co", "Fi", "-",   "15", "34", "0",  "1",  "0",  "21", "38",  "1940",  "1440",  "0",     "29",  "3", "EMP"},
    {"Needle",          "Vex", "Co", "Fi", "Co", "Fr",  "12", "31", "30", "4",  "11", "20", "37",  "2470",  "1540",  "0",     "57",  "3", "Normal"},
    {"Disruptor",       "Vex", "Co", "Fr", "Co", "-",   "14", "31", "0",  "1",  "0",  "20", "32",  "2070",  "1570",  "0",     "57",  "3", "EMP"},
    {"Nullifier",       "Vex", "Fr", "Fr", "Co", "-",   "28", "23", "0",  "2",  "0",  "48", "41",  "5720",  "4420",  "0",     "99",  "3", "EMP"},
    {"Spindle",         "Vex", "De", "Fr", "De", "-",   "30", "16", "21", "10", "17", "85", "52",  "10890", "6470",  "0",     "141", "4", "Normal"},
    {"Blackout",        "Vex", "Cr", "Cr", "De", "All", "41", "15", "0",  "3",  "0",  "161","69",  "18210", "12620", "0",     "400", "4", "EMP"},
    {"Voltaic",         "Vex", "Cr", "Cr", "De", "All", "42", "11", "18", "11", "32", "232","64",  "22800", "16300", "0",     "265", "4", "Normal"},
    {"SporePod",        "Vex", "Cr", "-",  "-",  "-",   "43", "10", "0",  "1",  "0",  "47", "69",  "1960",  "820",   "0",     "262", "4", "Special"},
    {"Leviathan",       "Vex", "Bs", "Bs", "Cr", "De",  "52", "7",  "11", "13", "70", "428","85",  "46590", "29460", "0",     "785", "5", "Normal"},
    {"Stormcaller",     "Vex", "Bs", "Bs", "Cr", "-",   "50", "9",  "0",  "4",  "0",  "458","77",  "53850", "39560", "0",     "464", "5", "EMP"},
    {"Wraith",          "Shd", "Fi", "Fr", "De", "-",   "5",  "43", "35", "3",  "4",  "6",  "28",  "630",   "790",   "0",     "15",  "2", "Cloaked"},
    {"Whisper",         "Shd", "Fi", "Cr", "Bs", "-",   "2",  "45", "36", "3",  "6",  "7",  "28",  "800",   "770",   "0",     "31",  "2", "Cloaked"},
    {"Shade",           "Shd", "Fi", "Co", "Fi", "All", "3",  "43", "37", "3",  "5",  "6",  "30",  "610",   "700",   "0",     "33",  "2", "Cloaked"},
    {"Phantom",         "Shd", "Co", "Fr", "Co", "-",   "11", "33", "26", "5",  "10", "22", "34",  "2170",  "2330",  "0",     "36",  "3", "Cloaked"},
    {"VeilPod",         "Shd", "Co", "-",  "-",  "-",   "16", "40", "0",  "1",  "0",  "56", "34",  "2360",  "1270",  "0",     "20",  "3", "Special"},
    {"Mirage",          "Shd", "Co", "Fi", "Co", "Fr",  "13", "33", "34", "6",  "5",  "11", "39",  "1290",  "1380",  "0",     "27",  "3", "Cloaked"},
    {"Specter",         "Shd", "Fr", "De", "Cr", "-",   "29", "32", "22", "6",  "17", "35", "44",  "4540",  "5060",  "0",     "83",  "3", "Cloaked"},
    {"Eclipse",         "Shd", "Fr", "Fi", "Co", "-",   "19", "26", "26", "7",  "15", "41", "42",  "4330",  "4340",  "0",     "64",  "3", "Cloaked"},
    {"Nightfall",       "Shd", "Fr", "Cr", "Bs", "-",   "24", "31", "23", "7",  "14", "35", "46",  "3610",  "4770",  "0",     "113", "3", "Cloaked"},
    {"Umbra",           "Shd", "De", "Fr", "De", "Co",  "35", "18", "16", "10", "27", "112","50",  "10610", "13460", "0",     "163", "4", "Cloaked"},
    {"Penumbra",        "Shd", "Cr", "Bs", "Cr", "All", "38", "16", "14", "12", "38", "150","64",  "18070", "20630", "0",     "443", "4", "Cloaked"},
    {"Obsidian",        "Shd", "Bs", "Bs", "Cr", "-",   "49", "9",  "11", "15", "55", "336","74",  "46890", "40000", "0",     "689", "5", "Cloaked"},
    {"Talon",           "Rav", "Fi", "Fi", "Co", "Fr",  "7",  "41", "36", "4",  "4",  "8",  "23",  "1080",  "660",   "0",     "15",  "2", "Normal"},
    {"Buzzard",         "Rav", "Fi", "Cr", "Bs", "De",  "0",  "43", "40", "3",  "6",  "9",  "23",  "1130",  "830",   "0",     "18",  "2", "Normal"},
    {"Marauder",        "Rav", "Co", "Fr", "De", "Co",  "10", "30", "26", "5",  "7",  "18", "34",  "1640",  "1310",  "0",     "26",  "3", "Normal"},
    {"Grappler",        "Rav", "Co", "Fi", "Co", "-",   "9",  "35", "28", "2",  "10", "20", "39",  "2300",  "1550",  "0",     "25",  "3", "Steal"},
    {"Corsair",         "Rav", "Fr", "Co", "Fr", "-",   "27", "29", "26", "7",  "9",  "32", "46",  "3500",  "2830",  "0",     "90",  "3", "Normal"},
    {"Boarder",         "Rav", "Fr", "Fr", "De", "-",   "23", "27", "23", "4",  "11", "42", "45",  "4410",  "2760",  "0",     "99",  "3", "Steal"},
    {"Reaver",          "Rav", "De", "De", "Cr", "Fr",  "33", "15", "19", "11", "20", "99", "58",  "11460", "8150",  "0",     "250", "4", "Normal"},
    {"Ironclaw",        "Rav", "De", "Cr", "Bs", "All", "34", "21", "21", "9",  "17", "85", "53",  "9460",  "7060",  "0",     "227", "4", "Normal"},
    {"Hijacker",        "Rav", "De", "De", "Fr", "-",   "31", "17", "19", "7",  "14", "86", "59",  "9500",  "5880",  "0",     "126", "4", "Steal"},
    {"Plunderer",       "Rav", "Cr", "Cr", "De", "-",   "44", "15", "13", "7",  "39", "216","67",  "22680", "17440", "0",     "387", "4", "Steal"},
    {"Reclaimer",       "Rav", "Bs", "Bs", "Cr", "-",   "46", "9",  "11", "9",  "49", "406","72",  "42060", "30040", "0",     "721", "5", "Steal"},
    {"Warlord",         "Rav", "Bs", "Bs", "Cr", "De",  "48", "8",  "12", "16", "57", "448","84",  "47510", "38080", "0",     "799", "5", "Normal"},
    {"SalvagePod",      "Ind", "Fr", "-",  "-",  "-",   "22", "25", "0",  "1",  "0",  "56", "50",  "1930",  "1130",  "0",     "102", "3", "Special"},
    {"FlakTurret",      "Ind", "Co", "Fi", "Co", "-",   "17", "5",  "25", "1",  "20", "21", "100", "770",   "620",   "6100",  "-",   "-", "PDS"},
    {"IonCannon",       "Ind", "Fr", "Fr", "De", "-",   "25", "5",  "21", "1",  "24", "49", "100", "1860",  "1020",  "7800",  "-",   "-", "PDS"},
    {"PlasmaBattery",   "Ind", "De", "De", "Cr", "All", "32", "5",  "30", "1",  "51", "102","100", "4500",  "2440",  "19300", "-",   "-", "PDS"},
    {"RailgunArray",    "Ind", "Cr", "Cr", "Bs", "All", "39", "5",  "42", "1",  "57", "172","100", "6510",  "4770",  "18500", "-",   "-", "PDS"},
    {"OrbitalFortress", "Ind", "Bs", "Bs", "Cr", "All", "53", "5",  "23", "1",  "133","398","100", "15670", "8490",  "6100",  "-",   "-", "PDS"},
}};
// clang-format on

}  // namespace

ShipTable DefaultShipTable() {
    ShipTable table;
    for (std::size_t row = 0; row < kShipCount; ++row) {
        for (std::size_t col = 0; col < kColumnCount; ++col) {
            table[row].fields[col] = kDefaultRows[row][col];
        }
    }
    return table;
}

void BuildDefaultStats(ProgramState& state) {
    state.Settings.SettingsLine = DefaultSettingsLine;
    ParseSettingsLine(state.Settings);
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    state.StoredStats = DefaultShipTable();
    if (state.StartupBuild) {
        return;  // no window and no file view to show it in yet
    }
    StatsFileState& stats = state.Stats;
    FillFileView(stats.FileMemo, kDefaultFileHeader, state.StoredStats);
    stats.StatsFileFound = false;
    stats.FileMemo.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    UiOf(state).ShowStatsFile();
}
