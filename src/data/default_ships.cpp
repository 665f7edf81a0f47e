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
    {"Sparrow",         "Aur", "Fi", "Co", "Fr", "Fi",  "1",  "44", "27", "3",  "6",  "3",  "71",  "890",   "640",   "0",     "18",  "2", "Normal"},
    {"Kestrel",         "Aur", "Co", "Fi", "Co", "Fr",  "11", "35", "32", "7",  "4",  "23", "38",  "2150",  "1230",  "0",     "58",  "3", "Normal"},
    {"Harrier",         "Aur", "Co", "Fr", "De", "-",   "16", "34", "30", "4",  "10", "39", "52",  "3820",  "1350",  "0",     "37",  "3", "Normal"},
    {"Lancer",          "Aur", "Fr", "Co", "Fr", "-",   "29", "26", "25", "7",  "14", "81", "55",  "4590",  "3060",  "0",     "67",  "3", "Normal"},
    {"Warden",          "Aur", "Fr", "Fi", "Co", "All", "27", "23", "17", "6",  "14", "47", "38",  "4790",  "4320",  "0",     "72",  "3", "Normal"},
    {"Paladin",         "Aur", "Fr", "De", "Cr", "-",   "23", "27", "18", "9",  "13", "60", "33",  "4950",  "3470",  "0",     "84",  "3", "Normal"},
    {"Sentinel",        "Aur", "De", "Fr", "De", "-",   "34", "18", "20", "24", "18", "112","39",  "12780", "10200", "0",     "148", "4", "Normal"},
    {"ColonyPod",       "Aur", "De", "-",  "-",  "-",   "32", "20", "0",  "1",  "0",  "28", "33",  "1870",  "1400",  "0",     "230", "4", "Special"},
    {"Vindicator",      "Aur", "Cr", "Cr", "Bs", "-",   "45", "11", "19", "21", "50", "236","23",  "22620", "17000", "0",     "318", "4", "Normal"},
    {"Templar",         "Aur", "Cr", "De", "Cr", "Fr",  "40", "10", "18", "31", "28", "179","21",  "21990", "16120", "0",     "362", "4", "Normal"},
    {"Sovereign",       "Aur", "Bs", "Bs", "Cr", "-",   "52", "8",  "14", "55", "60", "341","25",  "54340", "26130", "0",     "559", "5", "Normal"},
    {"Dreadnought",     "Aur", "Bs", "Cr", "Bs", "-",   "49", "5",  "13", "82", "159","490","25",  "56070", "29700", "0",     "745", "5", "Normal"},
    {"Static",          "Vex", "Fi", "Fr", "De", "-",   "6",  "40", "0",  "2",  "0",  "9",  "50",  "1380",  "380",   "0",     "30",  "2", "EMP"},
    {"Flicker",         "Vex", "Fi", "Bs", "-",  "-",   "4",  "40", "0",  "1",  "0",  "13", "55",  "1300",  "280",   "0",     "23",  "2", "EMP"},
    {"Pulsar",          "Vex", "Co", "Cr", "Bs", "-",   "17", "32", "0",  "2",  "0",  "38", "53",  "1510",  "2270",  "0",     "50",  "3", "EMP"},
    {"Needle",          "Vex", "Co", "Fi", "Co", "Fr",  "8",  "31", "33", "3",  "9",  "26", "44",  "2430",  "2350",  "0",     "32",  "3", "Normal"},
    {"Disruptor",       "Vex", "Co", "De", "Cr", "-",   "12", "32", "0",  "1",  "0",  "32", "45",  "2580",  "1370",  "0",     "30",  "3", "EMP"},
    {"Nullifier",       "Vex", "Fr", "Co", "Fr", "-",   "22", "22", "0",  "2",  "0",  "48", "38",  "7290",  "2990",  "0",     "83",  "3", "EMP"},
    {"Spindle",         "Vex", "De", "Fr", "De", "-",   "33", "19", "13", "24", "28", "96", "26",  "14140", "6350",  "0",     "124", "4", "Normal"},
    {"Blackout",        "Vex", "Cr", "Bs", "Cr", "All", "44", "12", "0",  "10", "0",  "191","28",  "27070", "12440", "0",     "319", "4", "EMP"},
    {"Voltaic",         "Vex", "Cr", "Cr", "De", "All", "43", "10", "12", "21", "36", "207","24",  "22200", "11850", "0",     "369", "4", "Normal"},
    {"SporePod",        "Vex", "Cr", "-",  "-",  "-",   "42", "10", "0",  "1",  "0",  "49", "22",  "1690",  "1480",  "0",     "345", "4", "Special"},
    {"Leviathan",       "Vex", "Bs", "Bs", "Cr", "De",  "46", "9",  "6",  "89", "155","465","20",  "65080", "20670", "0",     "543", "5", "Normal"},
    {"Stormcaller",     "Vex", "Bs", "Fi", "Co", "-",   "51", "10", "0",  "21", "0",  "402","26",  "35250", "25590", "0",     "596", "5", "EMP"},
    {"Wraith",          "Shd", "Fi", "Fr", "De", "-",   "7",  "40", "32", "4",  "7",  "11", "74",  "680",   "1360",  "0",     "21",  "2", "Cloaked"},
    {"Whisper",         "Shd", "Fi", "Cr", "Bs", "-",   "5",  "45", "35", "2",  "3",  "7",  "47",  "900",   "1310",  "0",     "39",  "2", "Cloaked"},
    {"Shade",           "Shd", "Fi", "Co", "Fi", "All", "2",  "45", "34", "4",  "5",  "11", "57",  "610",   "980",   "0",     "37",  "2", "Cloaked"},
    {"Phantom",         "Shd", "Co", "Fr", "Co", "-",   "10", "32", "34", "5",  "10", "21", "60",  "2280",  "2710",  "0",     "40",  "3", "Cloaked"},
    {"VeilPod",         "Shd", "Co", "-",  "-",  "-",   "13", "35", "0",  "1",  "0",  "57", "53",  "1990",  "1050",  "0",     "46",  "3", "Special"},
    {"Mirage",          "Shd", "Co", "Fi", "Co", "Fr",  "14", "38", "23", "3",  "7",  "20", "50",  "2840",  "2530",  "0",     "51",  "3", "Cloaked"},
    {"Specter",         "Shd", "Fr", "De", "Cr", "-",   "24", "29", "26", "13", "11", "87", "39",  "5540",  "6860",  "0",     "68",  "3", "Cloaked"},
    {"Eclipse",         "Shd", "Fr", "Fi", "Co", "-",   "25", "26", "16", "10", "18", "46", "30",  "4960",  "6060",  "0",     "72",  "3", "Cloaked"},
    {"Nightfall",       "Shd", "Fr", "Cr", "Bs", "-",   "28", "27", "28", "7",  "11", "87", "36",  "3150",  "4230",  "0",     "131", "3", "Cloaked"},
    {"Umbra",           "Shd", "De", "Fr", "De", "Co",  "31", "19", "13", "22", "24", "157","30",  "7880",  "11980", "0",     "189", "4", "Cloaked"},
    {"Penumbra",        "Shd", "Cr", "Bs", "Cr", "All", "39", "14", "9",  "40", "37", "237","23",  "16210", "17720", "0",     "358", "4", "Cloaked"},
    {"Obsidian",        "Shd", "Bs", "Bs", "Cr", "-",   "50", "13", "15", "48", "151","443","22",  "50060", "37980", "0",     "466", "5", "Cloaked"},
    {"Talon",           "Rav", "Fi", "Fi", "Co", "Fr",  "0",  "40", "31", "2",  "3",  "10", "60",  "1450",  "380",   "0",     "32",  "2", "Normal"},
    {"Buzzard",         "Rav", "Fi", "Cr", "Bs", "De",  "3",  "45", "38", "2",  "5",  "11", "53",  "1270",  "1150",  "0",     "29",  "2", "Normal"},
    {"Marauder",        "Rav", "Co", "Fr", "De", "Co",  "9",  "35", "21", "5",  "6",  "31", "53",  "3190",  "1160",  "0",     "31",  "3", "Normal"},
    {"Grappler",        "Rav", "Co", "Fi", "Co", "-",   "15", "31", "32", "7",  "11", "21", "52",  "1700",  "2410",  "0",     "20",  "3", "Steal"},
    {"Corsair",         "Rav", "Fr", "Co", "Fr", "-",   "20", "29", "29", "7",  "20", "87", "42",  "7060",  "3620",  "0",     "111", "3", "Normal"},
    {"Boarder",         "Rav", "Fr", "Fr", "De", "-",   "19", "20", "27", "8",  "8",  "65", "37",  "4470",  "3030",  "0",     "136", "3", "Steal"},
    {"Reaver",          "Rav", "De", "De", "Cr", "Fr",  "36", "19", "25", "19", "35", "152","28",  "15590", "9280",  "0",     "162", "4", "Normal"},
    {"Ironclaw",        "Rav", "De", "Cr", "Bs", "All", "35", "16", "24", "16", "28", "138","34",  "10650", "8100",  "0",     "135", "4", "Normal"},
    {"Hijacker",        "Rav", "De", "De", "Fr", "-",   "37", "17", "20", "20", "22", "100","41",  "13990", "8430",  "0",     "162", "4", "Steal"},
    {"Plunderer",       "Rav", "Cr", "Cr", "De", "-",   "41", "13", "15", "33", "53", "157","30",  "20910", "11970", "0",     "257", "4", "Steal"},
    {"Reclaimer",       "Rav", "Bs", "Bs", "Cr", "-",   "48", "5",  "6",  "45", "78", "258","26",  "64870", "33610", "0",     "551", "5", "Steal"},
    {"Warlord",         "Rav", "Bs", "Bs", "Cr", "De",  "47", "6",  "9",  "57", "61", "376","15",  "64300", "31880", "0",     "454", "5", "Normal"},
    {"SalvagePod",      "Ind", "Fr", "-",  "-",  "-",   "26", "23", "0",  "1",  "0",  "42", "48",  "2670",  "1230",  "0",     "88",  "3", "Special"},
    {"FlakTurret",      "Ind", "Co", "Fi", "Co", "-",   "18", "5",  "27", "1",  "20", "72", "100", "1010",  "670",   "12600", "-",   "-", "PDS"},
    {"IonCannon",       "Ind", "Fr", "Fr", "De", "-",   "21", "5",  "45", "1",  "44", "140","100", "2160",  "1490",  "6000",  "-",   "-", "PDS"},
    {"PlasmaBattery",   "Ind", "De", "De", "Cr", "All", "30", "5",  "22", "1",  "92", "290","100", "3280",  "2240",  "11500", "-",   "-", "PDS"},
    {"RailgunArray",    "Ind", "Cr", "Cr", "Bs", "All", "38", "5",  "28", "1",  "108","492","100", "6630",  "6050",  "3900",  "-",   "-", "PDS"},
    {"OrbitalFortress", "Ind", "Bs", "Bs", "Cr", "All", "53", "5",  "31", "1",  "175","500","100", "14730", "10210", "6500",  "-",   "-", "PDS"},
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
