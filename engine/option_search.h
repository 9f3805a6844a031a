#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "number_settings.h"

namespace vesmarot::engine {

// The largest Nmax the search takes; bar counts are 8-bit in the design.
inline constexpr int kMaxNmax = 255;

// How a search ended.
enum class SearchKind { BadNmax, BadArea, NoOption, OptionsFound };

struct SearchOutcome {
    SearchKind kind = SearchKind::BadNmax;
    // The required area rounded to three decimals; set for NoOption and OptionsFound only.
    std::string roundedAreaText;
    // The required area as read and searched, unrounded; set for NoOption and OptionsFound only.
    double area = 0.0;
    // Option entries in the order found; empty unless kind is OptionsFound.
    std::vector<std::string> entries;
};

// Checks the Nmax text, then the area text (both UTF-8, as typed), and walks the bar catalogue
// for the options that cover the area. Pure: the same texts always give the same outcome.
SearchOutcome SearchOptions(std::string_view nmaxText, std::string_view areaText,
                            const NumberSettings& settings = {});

}  // namespace vesmarot::engine
