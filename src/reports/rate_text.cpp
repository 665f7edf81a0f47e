#include "reports/rate_text.h"

#include <cmath>
#include <cstddef>
#include <cstdio>

namespace {

constexpr std::size_t kDecimals = 3;

// The digits of a whole number held in a double, exactly: figures may pass the int64
// range, rates all the more once scaled to thousandths.
std::string WholeDigits(double magnitude) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
    return buffer;
}

std::string SignedWholeDigits(double whole) {
    const std::string digits = WholeDigits(std::fabs(whole));
    return whole < 0.0 ? "-" + digits : digits;
}

}  // namespace

std::string RateText(float rate, char decimalSeparator) {
    // A float times 1000 is exact in double, so the rounding sees the rate's true value.
    std::string text = SignedWholeDigits(std::round(static_cast<double>(rate) * 1000.0));
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t digits = text.size() - sign;
    if (digits <= kDecimals) {
        text.insert(sign, kDecimals + 1 - digits, '0');
    }
    text.insert(text.size() - kDecimals, 1, decimalSeparator);
    return text;
}

std::string RoundedWholeText(float value) {
    return SignedWholeDigits(std::nearbyint(static_cast<double>(value)));
}
