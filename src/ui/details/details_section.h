#pragma once

#include <array>
#include <cstddef>

// The six sections of the Details window, in tab order.
enum class DetailsSection { Calculation, Target, Resources, BasicStats, Results, StatsFile };

inline constexpr std::size_t kSectionCount = 6;

inline constexpr std::array<DetailsSection, kSectionCount> kAllSections = {
    DetailsSection::Calculation, DetailsSection::Target,  DetailsSection::Resources,
    DetailsSection::BasicStats,  DetailsSection::Results, DetailsSection::StatsFile,
};

inline constexpr std::size_t IndexOf(DetailsSection section) {
    return static_cast<std::size_t>(section);
}

// The sections whose panel holds an attacker's and a defender's box side by side.
inline constexpr bool IsSplitSection(DetailsSection section) {
    return section == DetailsSection::Target || section == DetailsSection::Resources ||
           section == DetailsSection::BasicStats;
}
