#include "data/int_text.h"

#include <limits>

namespace {

int DigitValue(char c, unsigned base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads digits into a magnitude no larger than `limit`; nullopt on a bad character,
// no digits at all, or a magnitude above the limit.
std::optional<std::uint64_t> ReadMagnitude(std::string_view digits, unsigned base,
                                           std::uint64_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0 || value > (limit - static_cast<unsigned>(digit)) / base) {
            return std::nullopt;
        }
        value = value * base + static_cast<unsigned>(digit);
    }
    return value;
}

// Decimal values must fit the signed range of Int; hexadecimal ones its unsigned range,
// their bit pattern then taken as two's complement.
template <typename Int>
std::optional<Int> ParseInt(std::string_view text) {
    using Unsigned = std::make_unsigned_t<Int>;
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(pos);
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+') {
        text.remove_prefix(1);
    }
    const bool hex = text.starts_with('$') || text.starts_with("0x");
    std::optional<std::uint64_t> magnitude;
    if (hex) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        magnitude = ReadMagnitude(text, 16, std::numeric_limits<Unsigned>::max());
    } else {
        const std::uint64_t limit =
            static_cast<std::uint64_t>(std::numeric_limits<Int>::max()) + (negative ? 1 : 0);
        magnitude = ReadMagnitude(text, 10, limit);
    }
    if (!magnitude) {
        return std::nullopt;
    }
    Unsigned bits = static_cast<Unsigned>(*magnitude);
    if (negative) {
        bits = static_cast<Unsigned>(Unsigned{0} - bits);
    }
    return static_cast<Int>(bits);
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    return ParseInt<std::int32_t>(text);
}

std::optional<std::int64_t> ParseInt64(std::string_view text) {
    return ParseInt<std::int64_t>(text);
}

std::int32_t ToInt32Or(std::string_view text, std::int32_t fallback) {
    return ParseInt32(text).value_or(fallback);
}

std::int64_t ToInt64Or(std::string_view text, std::int64_t fallback) {
    return ParseInt64(text).value_or(fallback);
}
