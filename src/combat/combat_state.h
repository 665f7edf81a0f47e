#pragma once

#include <cstdint>
#include <string>

// How the pairing fights; every switch over it names all six, so a new one cannot be missed.
enum class CombatVariantValue : std::uint8_t {
    Pods = 0,
    Emp = 1,
    PdsVsPds = 2,
    Kill = 3,
    Capture = 4,
    NoTarget = 5,
};

// 0, 1, 2: the defender is the attacker's T1, T2 or T3 target; 3: it is no target.
inline constexpr std::uint8_t kNoTarget = 3;

// The current pairing and every figure of the last calculation.
struct CombatState {
    std::uint8_t AttackerRow = 0;
    std::uint8_t DefenderRow = 0;
    std::int64_t AttackerShips = 0;
    CombatVariantValue CombatVariant = CombatVariantValue::Pods;
    std::uint8_t TargetType = 0;
    std::string TargetLabel;
    std::int32_t AttackerWeaponSpeed = 0;
    std::int32_t AttackerGuns = 0;
    std::int32_t AttackerPower = 0;
    std::int32_t DefenderAgility = 0;
    std::int32_t DefenderArmour = 0;
    std::int32_t DefenderEmpRes = 0;
    std::int32_t BaseHitChance = 0;
    std::int64_t TotalShots = 0;
    std::int32_t HitRate = 0;
    std::int64_t SuccessfulHits = 0;
    std::int32_t HitsNeeded = 0;
    std::int64_t ShipsResult = 0;
    std::string OutcomeVerb;
    std::string EfficiencyText;
    std::string ResultLine;
};

// The main window's seven result controls, as the calculation writes them.
struct ResultTexts {
    std::string CombatText;
    std::string DefShips;
    std::string TargetDisplay;
    std::string InitText;
    std::string TargetText;
    std::string ClassText;
    std::string Efficiency;
};
