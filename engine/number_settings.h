#pragma once

#include <string>

namespace vesmarot::engine {

// The user's regional number symbols, as UTF-8 (some locales group digits with a no-break space).
struct NumberSettings {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
};

}  // namespace vesmarot::engine
