#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Numbers in the ship table, the count box and the settings line are text. They are read
// as decimal (leading blanks, optional sign) or as hexadecimal after "$" or "0x"; hex may
// fill the whole unsigned width, so "$FFFFFFFF" is -1 as a 32-bit value.
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::optional<std::int64_t> ParseInt64(std::string_view text);

// What a text is to ParseInt64: a number, a number beyond either end of the 64-bit range
// (its digits all valid), or no number at all.
enum class IntTextKind { Number, TooLarge, TooSmall, NotANumber };
IntTextKind Int64TextKind(std::string_view text);

// Anything that is not such a number, the empty text included, gives the fallback.
std::int32_t ToInt32Or(std::string_view text, std::int32_t fallback);
std::int64_t ToInt64Or(std::string_view text, std::int64_t fallback);
