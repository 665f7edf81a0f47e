#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/program_state.h"
#include "data/ship_table.h"

// A battle as a link: "#att=Harrier&def=Sparrow&n=1000", and "&t=" with the cells where the
// sender's table differs from the built-in one (row, column and text, raw DEFLATE,
// base64url). A name that an earlier row bears too is followed by '@' and its row. Every
// front end makes and reads links here, so the page and skirmod-calc agree on them byte for
// byte.

// The longest link text (from '#' on) made or read: three times one whose table differs in
// every value (about 10,000 characters).
inline constexpr std::size_t kMaxLinkSize = 32 * 1024;
// The most bytes the carried cells may inflate to.
inline constexpr std::size_t kMaxCarriedCellsSize = 1024 * 1024;

struct SharedBattle {
    // The built-in table with the link's cells in it; names are looked up here.
    ShipTable Table;
    std::size_t ChangedCells = 0;
    int Attacker = 0;
    int Defender = 0;
    // The count as the calculation reads it, as decimal text.
    std::string Count;
};

// The link of a pairing and count box text on `table`. The count travels as the number the
// calculation reads from it. Nothing when the table differs from the built-in one so much
// that the link would pass kMaxLinkSize.
std::optional<std::string> ShareLinkOf(const ShipTable& table, int attacker, int defender,
                                       std::string_view countText);
// The link of the calculation in use: its table, ships and count.
std::optional<std::string> ShareLink(const ProgramState& state);

struct LinkRead {
    std::optional<SharedBattle> Battle;
    // Why there is no battle: a sentence for the user.
    std::string Problem;
};

// A link's text, the whole address or its part from '#'. Anything damaged or hostile (bad
// escapes, unknown ships, numbers beyond 64 bits, bad base64 or DEFLATE, cells outside the
// table or given twice, a key given twice, an over-long link) gives only a Problem.
LinkRead ReadShareLink(std::string_view link);

// How many cells of `table` differ from the built-in table.
std::size_t ChangedCellCount(const ShipTable& table);

// The battle's table for the calculation alone, the stored table and the file left as they
// are, then its ships and count. Anything that stores or reloads a table ends it.
void OpenSharedBattle(ProgramState& state, const SharedBattle& battle);
// Whether the calculation uses a link's table that is not the stored one.
bool SharedTableInUse(const ProgramState& state);
// The user keeps the link's table: it becomes the stored table and the file, under `name`,
// with the settings in use.
void KeepSharedTable(ProgramState& state, const std::string& name);
