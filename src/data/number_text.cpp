#include "data/number_text.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

std::string WholeNumberText(double whole) {
    if (whole == 0.0) {
        return "0";
    }
    // Within ±2^62 the value converts to an int64 exactly: the fast path. printf's
    // arbitrary-precision digits are only needed beyond.
    constexpr double kFastLimit = 4611686018427387904.0;
    char buffer[400];
    if (whole > -kFastLimit && whole < kFastLimit) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(whole));
        return {buffer, result.ptr};
    }
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}
