#pragma once

#include <cstdint>
#include <type_traits>

// The calculation's integers wrap as two's complement on overflow, like the game's own
// tools did. Signed overflow is undefined in C++, so the arithmetic runs in unsigned.
namespace wrap {

template <typename Int>
constexpr Int Add(Int a, Int b) {
    using U = std::make_unsigned_t<Int>;
    return static_cast<Int>(static_cast<U>(static_cast<U>(a) + static_cast<U>(b)));
}

template <typename Int>
constexpr Int Sub(Int a, Int b) {
    using U = std::make_unsigned_t<Int>;
    return static_cast<Int>(static_cast<U>(static_cast<U>(a) - static_cast<U>(b)));
}

template <typename Int>
constexpr Int Mul(Int a, Int b) {
    using U = std::make_unsigned_t<Int>;
    return static_cast<Int>(static_cast<U>(static_cast<U>(a) * static_cast<U>(b)));
}

// Truncating division; the one overflowing case (minimum / -1) wraps to the minimum.
// The caller keeps the divisor away from zero.
template <typename Int>
constexpr Int Div(Int a, Int b) {
    if (b == -1) {
        return Sub(Int{0}, a);
    }
    return static_cast<Int>(a / b);
}

template <typename Int>
constexpr Int Rem(Int a, Int b) {
    return b == -1 ? Int{0} : static_cast<Int>(a % b);
}

}  // namespace wrap
