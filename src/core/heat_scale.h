#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/matrix.h"

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    bool operator==(const Rgb&) const = default;
};

// Viridis, sampled at ten even steps: dark violet through blue and green to yellow, its
// lightness rising all the way, so it reads for colour-blind players and prints in grey.
// The palette is Stefan van der Walt's and Nathaniel Smith's for matplotlib, dedicated to
// the public domain under CC0 (github.com/BIDS/colormap).
inline constexpr std::array<Rgb, 10> kHeatStops = {{{0x44, 0x01, 0x54},
                                                    {0x48, 0x28, 0x78},
                                                    {0x3E, 0x4A, 0x89},
                                                    {0x31, 0x68, 0x8E},
                                                    {0x26, 0x82, 0x8E},
                                                    {0x1F, 0x9E, 0x89},
                                                    {0x35, 0xB7, 0x79},
                                                    {0x6D, 0xCD, 0x59},
                                                    {0xB4, 0xDE, 0x2C},
                                                    {0xFD, 0xE7, 0x25}}};

// A pairing without a target is no figure: white, hatched in this grey, in every picture.
inline constexpr Rgb kNoTargetBack = {0xFF, 0xFF, 0xFF};
inline constexpr Rgb kNoTargetHatch = {0x80, 0x80, 0x80};
inline constexpr std::string_view kNoTargetText = "No target";

// Efficiency figures run from wrapped negatives to 10^38, though most pairings of a real
// table stay between 10% and 250%: the scale is logarithmic from a tenth to ten times what
// the fleet costs, break-even (100%) in its middle, and clamped at both ends.
inline constexpr double kHeatLowestPercent = 10.0;
inline constexpr double kHeatHighestPercent = 1000.0;

// Where an efficiency figure (the whole percent as text, without "%") stands on the scale,
// 0 to 1.
double HeatPosition(std::string_view efficiencyPercent);
// The colour at a place on the scale: straight between the two nearest stops.
Rgb HeatColor(double position);
// A cell's colour; none when the defender is no target.
std::optional<Rgb> CellColor(const MatrixCell& cell);
// "#rrggbb".
std::string CssColorText(Rgb color);

struct HeatTick {
    double Position = 0;
    std::string Label;
};
// The legend's marks: 1, 2 and 5 times each power of ten from the lowest to the highest.
std::vector<HeatTick> HeatTicks();
// The legend's caption.
inline constexpr std::string_view kHeatScaleTitle =
    "Resource efficiency, log scale: 10% or less to 1,000% or more";
