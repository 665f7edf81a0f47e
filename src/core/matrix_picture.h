#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/matrix.h"
#include "data/ship_table.h"

// A cell's figures in words, as the picture's tooltips and the page's cells give them:
// "123 stopped, 45%", or "no target".
std::string MatrixFigureText(const MatrixCell& cell);

// The heat map of `cells` (PairingMatrix at `count`) as a standalone SVG file: one square a
// pairing, attackers down the left and defenders across the top in table order, a title
// with the count and `tableTitle` (the stats file's header line; empty: the built-in table),
// and the scale's legend. 8-bit text, as the table's names.
std::string MatrixSvg(const ShipTable& table, const std::vector<MatrixCell>& cells,
                      std::int64_t count, std::string_view tableTitle);
