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
