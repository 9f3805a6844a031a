#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_settings.h"

namespace vesmarot::engine {

// One option, as its entry text writes it: n1 bars of d1, plus n2 bars of d2 (both 0 when the
// option uses a single diameter).
struct ParsedOption {
    int n1 = 0;
    int d1 = 0;
    int n2 = 0;
    int d2 = 0;

    friend bool operator==(const ParsedOption&, const ParsedOption&) = default;
};

// The entry text of n1 bars of d1 ("3f16").
std::string FormatOptionEntry(int n1, int d1);

// The entry text of n1 bars of d1 with n2 bars of d2 ("2f16+1f18").
std::string FormatOptionEntry(int n1, int d1, int n2, int d2);

// The entry text of a parsed option: one group when it has no second group (n2 and d2 both 0).
std::string FormatOptionEntry(const ParsedOption& option);

// Splits an entry text at its first "f", its "+" and its last "f". Returns nothing when a piece is
// not a plain run of digits, so that a stray text can never be read as an option.
std::optional<ParsedOption> ParseOptionEntry(std::string_view entry);

// The steel area in cm² that the entry really provides, unrounded; nothing for a malformed text.
std::optional<double> OptionEntryArea(std::string_view entry);

// The area of the entry as the area field shows it (three decimals at most).
std::optional<std::string> OptionEntryAreaText(std::string_view entry,
                                               const NumberSettings& settings);

// How far the entry's area exceeds `requiredArea`, in percent of it, with one decimal at most
// ("20.6"); nothing for a malformed text or a required area that is not above 0.
std::optional<std::string> OptionEntryExcessText(std::string_view entry, double requiredArea,
                                                 const NumberSettings& settings);

}  // namespace vesmarot::engine
