#include "core/heat_scale.h"

#include <algorithm>
#include <cmath>

#include "data/int_text.h"

namespace {

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, double share) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

// 1000 as "1,000": the legend's figures as players write them.
std::string GroupedThousands(long long whole) {
    std::string digits = std::to_string(whole);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, ",");
    }
    return digits;
}

}  // namespace

double HeatPosition(std::string_view efficiencyPercent) {
    // A whole number, which may pass 64 bits at either end: the scale's ends hold it then.
    switch (Int64TextKind(efficiencyPercent)) {
        case IntTextKind::TooLarge:
            return 1.0;
        case IntTextKind::TooSmall:
        case IntTextKind::NotANumber:
            return 0.0;
        case IntTextKind::Number:
            break;
    }
    const double percent = static_cast<double>(ToInt64Or(efficiencyPercent, 0));
    if (percent <= kHeatLowestPercent) {
        return 0.0;
    }
    const double span = std::log10(kHeatHighestPercent / kHeatLowestPercent);
    return std::min(1.0, std::log10(percent / kHeatLowestPercent) / span);
}

Rgb HeatColor(double position) {
    const double scaled = std::clamp(position, 0.0, 1.0) * (kHeatStops.size() - 1);
    const std::size_t below = std::min(static_cast<std::size_t>(scaled), kHeatStops.size() - 2);
    const double share = scaled - static_cast<double>(below);
    const Rgb& from = kHeatStops[below];
    const Rgb& to = kHeatStops[below + 1];
    return {Blend(from.Red, to.Red, share), Blend(from.Green, to.Green, share),
            Blend(from.Blue, to.Blue, share)};
}

std::optional<Rgb> CellColor(const MatrixCell& cell) {
    if (cell.Efficiency.empty()) {
        return std::nullopt;
    }
    return HeatColor(HeatPosition(cell.Efficiency));
}

std::string CssColorText(Rgb color) {
    // By hand rather than by printf: the page asks for thousands at each redraw.
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t channel : {color.Red, color.Green, color.Blue}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 15];
    }
    return text;
}

std::vector<HeatTick> HeatTicks() {
    std::vector<HeatTick> ticks;
    for (long long decade = std::llround(kHeatLowestPercent);
         decade <= std::llround(kHeatHighestPercent); decade *= 10) {
        for (const long long step : {1, 2, 5}) {
            const long long percent = decade * step;
            if (percent <= std::llround(kHeatHighestPercent)) {
                ticks.push_back(
                    {HeatPosition(std::to_string(percent)), GroupedThousands(percent) + "%"});
            }
        }
    }
    return ticks;
}
