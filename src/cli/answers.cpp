#include "cli/answers.h"

std::vector<Report> BoxesOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::Calculation:
            return {Report::Calculation};
        case ReportKind::Targeting:
            return {Report::TargetAtt, Report::TargetDef};
        case ReportKind::Resources:
            return {Report::ResourcesAtt, Report::ResourcesDef};
        case ReportKind::Basic:
            return {Report::BasicStatsAtt, Report::BasicStatsDef};
    }
    return {};
}

const char* VariantVerb(CombatVariantValue variant) {
    switch (variant) {
        case CombatVariantValue::Emp:
            return "hold";
        case CombatVariantValue::Kill:
            return "kill";
        case CombatVariantValue::Capture:
            return "capture";
        case CombatVariantValue::Pods:
        case CombatVariantValue::PdsVsPds:
        case CombatVariantValue::NoTarget:
            break;
    }
    return "stop";
}

const char* VariantKey(CombatVariantValue variant) {
    switch (variant) {
        case CombatVariantValue::Pods:
            return "pods";
        case CombatVariantValue::Emp:
            return "emp";
        case CombatVariantValue::PdsVsPds:
            return "pds_vs_pds";
        case CombatVariantValue::Kill:
            return "kill";
        case CombatVariantValue::Capture:
            return "capture";
        case CombatVariantValue::NoTarget:
            break;
    }
    return "no_target";
}

std::string BlockText(StopBlock block, const ShipTable& table, int attackerRow, int defenderRow,
                      std::int64_t limit) {
    const ShipRecord& a = table[static_cast<std::size_t>(attackerRow)];
    const ShipRecord& d = table[static_cast<std::size_t>(defenderRow)];
    const std::string& att = a[Col::ShipName];
    const std::string& def = d[Col::ShipName];
    switch (block) {
        case StopBlock::None:
            return {};
        case StopBlock::NotATarget:
            return def + " (class " + d[Col::Cl] + ") is not a target of " + att + " (targets " +
                   a[Col::T1] + ", " + a[Col::T2] + ", " + a[Col::T3] + ")";
        case StopBlock::PdsImmune:
            return att + " (type " + a[Col::ShipType] + ") cannot target PDS";
        case StopBlock::Pods:
            return att + " is a pod (type Special): pods do not attack ships";
        case StopBlock::PdsVsPds:
            return "PDS cannot attack PDS";
        case StopBlock::NoGuns:
            return att + " has no guns (Guns 0)";
        case StopBlock::NoHitChance:
            return att + " has no hit chance against " + def +
                   " (25 + Wpn Speed - Agility is 0 or less)";
        case StopBlock::NoGunPower:
            return att + " has no gun power (Power 0)";
        case StopBlock::EmpResisted:
            return def + " resists EMP fully (EMP Res 100 or more)";
        case StopBlock::NegativeFigures:
            return "negative figures (Guns, hit rate or hits needed) give every count 0 or "
                   "fewer";
        case StopBlock::BeyondRange:
            return "only more than " + std::to_string(limit) + " ships could: past that count " +
                   "the figures wrap around the 64-bit range, so the table gives no true count";
    }
    return {};
}

const char* BlockKey(StopBlock block) {
    switch (block) {
        case StopBlock::None:
            return "none";
        case StopBlock::NotATarget:
            return "not_a_target";
        case StopBlock::PdsImmune:
            return "cannot_target_pds";
        case StopBlock::Pods:
            return "pods";
        case StopBlock::PdsVsPds:
            return "pds_vs_pds";
        case StopBlock::NoGuns:
            return "no_guns";
        case StopBlock::NoHitChance:
            return "no_hit_chance";
        case StopBlock::NoGunPower:
            return "no_gun_power";
        case StopBlock::EmpResisted:
            return "emp_resisted";
        case StopBlock::NegativeFigures:
            return "negative_figures";
        case StopBlock::BeyondRange:
            return "beyond_non_wrapping_range";
    }
    return "none";
}
