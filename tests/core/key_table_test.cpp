#include "core/key_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/log_commands.h"

namespace {

// The keys of a row one by one: "Ctrl+Tab, Ctrl+PgDn" is two.
std::set<std::string> KeysOf(const KeyRow& row) {
    std::set<std::string> keys;
    const std::string text = row.keys;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t comma = std::min(text.find(", ", from), text.size());
        keys.insert(text.substr(from, comma - from));
        from = comma + 2;
    }
    return keys;
}

}  // namespace

// The page binds a row's Alt-key in the section the row names, so no key may mean two
// commands in one place.
TEST(KeyTable, NoKeyDoesTwoThingsInOnePlace) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const KeyRow& row : KeyTable()) {
        for (const std::string& key : KeysOf(row)) {
            EXPECT_TRUE(seen.insert({row.where, key}).second) << row.where << ": " << key;
        }
    }
}

// Every button of the Results and Setup sections has its Alt-key, named by its caption.
TEST(KeyTable, EachSectionButtonHasOneAltKeyUnderItsCaption) {
    std::multiset<std::string> results;
    std::multiset<std::string> setup;
    for (const KeyRow& row : KeyTable()) {
        const std::string where = row.where;
        if (std::string(row.keys).starts_with("Alt+") && (where == "Results" || where == "Setup")) {
            (where == "Results" ? results : setup).insert(row.what);
        }
    }
    for (const LogCommandRow& row : kLogCommands) {
        EXPECT_EQ(results.count(std::string(row.caption)), 1u) << row.caption;
    }
    for (const char* caption : {"Edit", "Save", "Cancel", "Restore", "Settings", "About"}) {
        EXPECT_EQ(setup.count(caption), 1u) << caption;
    }
}
