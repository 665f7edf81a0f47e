#pragma once

#include <string>

// The exact decimal digits of a whole number held in a double, with "-" when negative;
// zero, negative zero included, is "0". Figures may pass the int64 range.
std::string WholeNumberText(double whole);
