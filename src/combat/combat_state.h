#pragma once

#include <cstdint>
#include <string>

enum CombatVariantValue : std::uint8_t {
    VariantPods = 0,
    VariantEmp = 1,
    VariantPdsVsPds = 2,
    VariantKill = 3,
    VariantCapture = 4,
    VariantNoTarget = 5,
};

// 0, 1, 2: the defender is the attacker's T1, T2 or T3 target; 3: it is no target.
inline constexpr std::uint8_t kNoTarget = 3;

// The current pairing and every figure of the last calculation.
struct CombatState {
    std::uint8_t AttackerRow = 0;
    std::uint8_t DefenderRow = 0;
    std::int64_t AttackerShips = 0;
    std::uint8_t CombatVariant = 0;
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
    // While set, selections and calculations return at once: several selections are
    // changing in a row (start-up, the attacker/defender swap).
    bool RecalcGuard = false;
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
