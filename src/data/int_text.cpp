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

enum class Digits { Read, Bad, Overflow };

// Reads digits into a magnitude no larger than `limit`. Bad: a character that is no digit,
// or no digits at all; Overflow: digits only, but a magnitude above the limit.
Digits ReadMagnitude(std::string_view digits, unsigned base, std::uint64_t limit,
                     std::uint64_t& value) {
    if (digits.empty()) {
        return Digits::Bad;
    }
    value = 0;
    bool overflow = false;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return Digits::Bad;
        }
        overflow = overflow || value > (limit - static_cast<unsigned>(digit)) / base;
        value = value * base + static_cast<unsigned>(digit);
    }
    return overflow ? Digits::Overflow : Digits::Read;
}

// Decimal values must fit the signed range of Int; hexadecimal ones its unsigned range,
// their bit pattern then taken as two's complement.
template <typename Int>
IntTextKind ReadInt(std::string_view text, Int& result) {
    using Unsigned = std::make_unsigned_t<Int>;
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) {
        return IntTextKind::NotANumber;
    }
    text.remove_prefix(pos);
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+') {
        text.remove_prefix(1);
    }
    const bool hex = text.starts_with('$') || text.starts_with("0x");
    std::uint64_t magnitude = 0;
    Digits digits = Digits::Bad;
    if (hex) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        digits = ReadMagnitude(text, 16, std::numeric_limits<Unsigned>::max(), magnitude);
    } else {
        const std::uint64_t limit =
            static_cast<std::uint64_t>(std::numeric_limits<Int>::max()) + (negative ? 1 : 0);
        digits = ReadMagnitude(text, 10, limit, magnitude);
    }
    switch (digits) {
        case Digits::Bad:
            return IntTextKind::NotANumber;
        case Digits::Overflow:
            return negative ? IntTextKind::TooSmall : IntTextKind::TooLarge;
        case Digits::Read:
            break;
    }
    Unsigned bits = static_cast<Unsigned>(magnitude);
    if (negative) {
        bits = static_cast<Unsigned>(Unsigned{0} - bits);
    }
    result = static_cast<Int>(bits);
    return IntTextKind::Number;
}

template <typename Int>
std::optional<Int> ParseInt(std::string_view text) {
    Int value = 0;
    return ReadInt(text, value) == IntTextKind::Number ? std::optional<Int>(value) : std::nullopt;
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    return ParseInt<std::int32_t>(text);
}

std::optional<std::int64_t> ParseInt64(std::string_view text) {
    return ParseInt<std::int64_t>(text);
}

IntTextKind Int64TextKind(std::string_view text) {
    std::int64_t value = 0;
    return ReadInt(text, value);
}

std::int32_t ToInt32Or(std::string_view text, std::int32_t fallback) {
    return ParseInt32(text).value_or(fallback);
}

std::int64_t ToInt64Or(std::string_view text, std::int64_t fallback) {
    return ParseInt64(text).value_or(fallback);
}
