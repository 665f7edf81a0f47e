#pragma once

inline constexpr int kExitOk = 0;
// A stats file that cannot be read or is damaged (or, never expected, a search answer the
// full calculation does not confirm).
inline constexpr int kExitFailure = 1;
// Bad usage, an unknown or ambiguous ship name, a bad number.
inline constexpr int kExitUsage = 2;
