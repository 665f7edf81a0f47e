#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's texts are 8-bit, read as Latin-1; front ends that speak UTF-8 (the
// companion's JSON, the browser) convert at their edge with these two.
std::string Utf8FromLatin1(std::string_view latin1);

// Nothing when `utf8` is not well-formed UTF-8 or holds a character beyond U+00FF, which
// one byte cannot store.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8);
