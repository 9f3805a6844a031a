// Fuzzes the whole search: both texts and the regional separators come from the input, and every
// outcome must keep the promises the option list makes to the engineer.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/bar_catalogue.h"
#include "engine/number_text.h"
#include "engine/option_entry.h"
#include "engine/option_search.h"
#include "fuzz/require.h"

using namespace vesmarot::engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    NumberSettings settings;
    if (input.ConsumeBool()) {
        settings.decimalSeparator = input.ConsumeRandomLengthString(4);
        settings.groupSeparator = input.ConsumeRandomLengthString(4);
    }
    const std::string nmaxText = input.ConsumeRandomLengthString(64);
    const std::string areaText = input.ConsumeRemainingBytesAsString();

    const SearchOutcome outcome = SearchOptions(nmaxText, areaText, settings);
    const SearchOutcome again = SearchOptions(nmaxText, areaText, settings);
    Require(outcome.kind == again.kind && outcome.entries == again.entries &&
                outcome.roundedAreaText == again.roundedAreaText,
            "the same texts give the same outcome");
    Require(outcome.entries.empty() == (outcome.kind != SearchKind::OptionsFound),
            "entries exactly when options were found");
    if (outcome.kind == SearchKind::BadNmax || outcome.kind == SearchKind::BadArea) {
        Require(outcome.roundedAreaText.empty(), "no rounded text for rejected input");
        return 0;
    }

    const auto nmaxValue = ReadNumber(nmaxText, settings);
    const auto area = ReadNumber(areaText, settings);
    Require(nmaxValue && area, "accepted texts are numbers");
    const double nmax = std::nearbyint(*nmaxValue);
    Require(nmax >= 1 && nmax <= kMaxNmax, "Nmax within 1..255");
    Require(*area > 0 && *area < 100, "area within (0, 100)");
    Require(outcome.entries.size() <= 11 * static_cast<std::size_t>(nmax), "at most 11 x Nmax");

    for (const std::string& entry : outcome.entries) {
        const auto parsed = ParseOptionEntry(entry);
        Require(parsed.has_value(), "every entry parses");
        Require(FormatOptionEntry(*parsed) == entry,
                "entries parse back to the same counts and diameters");
        Require(parsed->n1 >= 1 && parsed->n1 + parsed->n2 <= nmax, "at most Nmax bars");
        Require(*OptionEntryArea(entry) > *area, "every entry covers the area strictly");
    }

    // The C library's printf rounds the exact binary value too, ties to even: an independent
    // writer of the same shortest three-decimal form.
    char fixed[64];
    std::snprintf(fixed, sizeof fixed, "%.3f", *area);
    std::string expected = fixed;
    expected.erase(expected.find_last_not_of('0') + 1);
    if (expected.back() == '.') expected.pop_back();
    if (const auto point = expected.find('.'); point != std::string::npos) {
        expected.replace(point, 1, settings.decimalSeparator);
    }
    Require(outcome.roundedAreaText == expected, "rounded text: three decimals, shortest form");
    return 0;
}
