#pragma once

#include <string_view>
#include <vector>

#include "data/ship_table.h"

enum class NameMatchKind { Found, Unknown, Ambiguous };

struct NameMatch {
    NameMatchKind Kind = NameMatchKind::Unknown;
    int Row = -1;
    // The rows the name could mean (ambiguous), or those that come close (unknown).
    std::vector<int> Candidates;
};

// A ship type named exactly (case-sensitive), or by a prefix that, compared without regard
// to ASCII case, begins exactly one name of the table. `typed` is UTF-8, as the companion
// prints names; text that is not UTF-8 within Latin-1 (typed in a Latin-1 terminal) is
// compared as the bytes it is.
NameMatch MatchShipName(const ShipTable& table, std::string_view typed);
