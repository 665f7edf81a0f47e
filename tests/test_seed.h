#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

// A random test runs from a fixed seed, so every run is the same test; SKIRMOD_TEST_SEED
// replaces it to explore further or to replay a seed a failure printed.
inline std::uint32_t TestSeed(std::uint32_t fallback) {
    const char* text = std::getenv("SKIRMOD_TEST_SEED");
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long seed = std::strtoul(text, &end, 10);
    return *end == '\0' ? static_cast<std::uint32_t>(seed) : fallback;
}

// What a failure prints, so that it can be replayed.
inline std::string SeedNote(std::uint32_t seed) {
    return "seed " + std::to_string(seed) +
           " (replay with SKIRMOD_TEST_SEED=" + std::to_string(seed) + ")";
}
