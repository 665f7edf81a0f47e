#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>

#include "data/ship_table.h"
#include "test_seed.h"

// Random table texts: numbers around the edges of the 32- and 64-bit ranges, texts that are
// no numbers, and the words the calculation compares. The seed is `fallback` unless
// SKIRMOD_TEST_SEED gives another, and every failure while the texts are in use names it.
class RandomText {
  public:
    explicit RandomText(std::uint32_t fallback)
        : m_seed(TestSeed(fallback)),
          m_trace(__FILE__, __LINE__, SeedNote(m_seed)),
          m_rng(m_seed) {}

    std::string Number() {
        static const char* const kEdges[] = {"0",
                                             "1",
                                             "-1",
                                             "2147483647",
                                             "-2147483648",
                                             "9223372036854775807",
                                             "-9223372036854775808",
                                             "$FFFFFFFF",
                                             "0x7fffffff",
                                             "",
                                             "abc",
                                             " 12",
                                             "12 "};
        switch (Pick(3)) {
            case 0:
                return kEdges[Pick(std::size(kEdges))];
            case 1:  // where stats and counts usually are, so that formulas see real figures
                return std::to_string(static_cast<int>(Pick(301)) - 100);
            default:
                return std::to_string(static_cast<long long>(m_rng()) - 0x7fffffffLL);
        }
    }

    std::string Word() {
        static const char* const kWords[] = {"Fi",  "Co",  "Fr",    "De",      "Cr",
                                             "Bs",  "All", "-",     "fi",      "",
                                             "EMP", "PDS", "Steal", "Special", "Normal"};
        return kWords[Pick(std::size(kWords))];
    }

    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }

  private:
    std::uint32_t m_seed;
    testing::ScopedTrace m_trace;
    std::mt19937_64 m_rng;
};

inline bool IsWordColumn(std::size_t col) {
    return col == static_cast<std::size_t>(Col::Cl) || col == static_cast<std::size_t>(Col::T1) ||
           col == static_cast<std::size_t>(Col::T2) || col == static_cast<std::size_t>(Col::T3) ||
           col == static_cast<std::size_t>(Col::ShipType);
}

// Every field but the name, so that ships can still be found by name.
inline void Scramble(ShipTable& table, RandomText& random) {
    for (ShipRecord& ship : table) {
        for (std::size_t col = 1; col < kColumnCount; ++col) {
            ship.fields[col] = IsWordColumn(col) ? random.Word() : random.Number();
        }
    }
}
