#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property aborts, which libFuzzer reports as a crash and saves the input.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}
