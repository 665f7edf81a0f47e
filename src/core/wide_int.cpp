#include "core/wide_int.h"

#include <algorithm>
#include <limits>

WideInt Widen(std::int64_t value) {
    return static_cast<WideInt>(value);
}

bool FitsInt64(WideInt value) {
    return value >= std::numeric_limits<std::int64_t>::min() &&
           value <= std::numeric_limits<std::int64_t>::max();
}

std::string WideText(WideInt value) {
    if (FitsInt64(value)) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    const bool negative = value < 0;
    std::string digits;
    // Digit by digit from the low end; the remainder has the sign of the value.
    while (value != 0) {
        const int digit = static_cast<int>(value % 10);
        digits.push_back(static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        value /= 10;
    }
    if (negative) {
        digits.push_back('-');
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}
