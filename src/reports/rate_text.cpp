#include "reports/rate_text.h"

#include <cmath>
#include <cstddef>

#include "data/number_text.h"

namespace {

constexpr std::size_t kDecimals = 3;

}  // namespace

std::string RateText(float rate, char decimalSeparator) {
    // A float times 1000 is exact in double, so the rounding sees the rate's true value.
    std::string text = WholeNumberText(std::round(static_cast<double>(rate) * 1000.0));
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t digits = text.size() - sign;
    if (digits <= kDecimals) {
        text.insert(sign, kDecimals + 1 - digits, '0');
    }
    text.insert(text.size() - kDecimals, 1, decimalSeparator);
    return text;
}

std::string RoundedWholeText(float value) {
    return WholeNumberText(std::nearbyint(static_cast<double>(value)));
}
