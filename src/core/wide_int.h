#pragma once

#include <cstdint>
#include <string>

// Resource costs of a fleet: a count and a per-ship cost, each up to 64 bits, multiply to
// at most 127 bits, so costs are exact here and never wrap.
__extension__ typedef __int128 WideInt;

WideInt Widen(std::int64_t value);
bool FitsInt64(WideInt value);
std::string WideText(WideInt value);
