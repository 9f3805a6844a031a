#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_settings.h"

namespace vesmarot::engine {

// Reads a number typed by the user: blanks around, an optional sign, digits with group separators
// and at most one decimal separator, then an optional exponent. Returns nothing for any other text
// and for a value too large for a double.
std::optional<double> ReadNumber(std::string_view text, const NumberSettings& settings);

// Rounds to `places` decimals (0 to 17) on the exact binary value (halves to even) and writes the
// shortest form: no trailing zeros, no separator for whole numbers, no grouping, "0" before the
// separator.
std::string FormatDecimals(double value, int places, const NumberSettings& settings);

// FormatDecimals with three decimals: how every area is written.
std::string FormatThreeDecimals(double value, const NumberSettings& settings);

}  // namespace vesmarot::engine
