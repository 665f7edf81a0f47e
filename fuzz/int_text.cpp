#include <cstdint>
#include <string>
#include <string_view>

#include "data/int_text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value32 = ParseInt32(text);
    const auto value64 = ParseInt64(text);
    Require(ToInt32Or(text, 1) == value32.value_or(1), "ToInt32Or(text, 1) == value32.value_or(1)");
    Require(ToInt64Or(text, 0) == value64.value_or(0), "ToInt64Or(text, 0) == value64.value_or(0)");
    // A number that fits 32 bits reads the same at 64 bits, unless it is hexadecimal with
    // the top bit set (its 32-bit pattern then reads negative).
    if (value32 && value64 && *value64 >= INT32_MIN && *value64 <= INT32_MAX) {
        Require(*value32 == *value64, "*value32 == *value64");
    }
    // What a successful read gives, written in decimal, reads back to the same value.
    if (value64) {
        Require(ParseInt64(std::to_string(*value64)) == value64,
                "ParseInt64(std::to_string(*value64)) == value64");
    }
    if (value32) {
        Require(ParseInt32(std::to_string(*value32)) == value32,
                "ParseInt32(std::to_string(*value32)) == value32");
    }
    // Text with a trailing blank is never a number.
    if (!text.empty() && text.back() == ' ') {
        Require(!value64 && !value32, "!value64 && !value32");
    }
    return 0;
}
