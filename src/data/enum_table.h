#pragma once

#include <cstddef>

// True when entry i of `table` names enumerator i in its `key` member, so that the table can
// be indexed by the enumeration.
template <typename Table, typename Key>
constexpr bool IndexedByEnum(const Table& table, Key key) {
    std::size_t index = 0;
    for (const auto& entry : table) {
        if (static_cast<std::size_t>(entry.*key) != index++) {
            return false;
        }
    }
    return true;
}
