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

// A file's bytes as the program's 8-bit text, when they are UTF-8 that says so (a byte-order
// mark) or shows it (characters beyond ASCII) and every character fits in Latin-1: what
// Windows' Notepad saves. Nothing for any other file, whose bytes are its text.
std::optional<std::string> Latin1FromUtf8File(std::string_view bytes);
