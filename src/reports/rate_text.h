#pragma once

#include <string>

// A rate as the reports print it: fixed point with three decimals after the locale's
// separator, the thousandths rounded half away from zero; a rate that rounds to nothing
// is "0.000".
std::string RateText(float rate, char decimalSeparator);

// A figure rounded to a whole number, halves to the even neighbour, in plain decimal.
std::string RoundedWholeText(float value);
