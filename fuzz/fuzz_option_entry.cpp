// Fuzzes the reading of an option entry: any text either has no value or splits into counts and
// diameters that write back to an entry with the same value.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/bar_catalogue.h"
#include "engine/option_entry.h"
#include "fuzz/require.h"

using namespace vesmarot::engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view entry(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseOptionEntry(entry);
    const auto area = OptionEntryArea(entry);
    const auto text = OptionEntryAreaText(entry, {",", "."});
    Require(parsed.has_value() == area.has_value() && area.has_value() == text.has_value(),
            "parse, area and text agree on whether the entry has a value");
    if (!parsed) return 0;

    Require(parsed->n1 >= 0 && parsed->d1 >= 0 && parsed->n2 >= 0 && parsed->d2 >= 0,
            "pieces are plain digits");
    Require(entry.find('f') != std::string_view::npos, "an entry holds an f");
    const std::string rewritten = FormatOptionEntry(*parsed);
    Require(ParseOptionEntry(rewritten) == parsed, "the canonical entry parses the same");
    Require(*area == parsed->n1 * DT(parsed->d1) + parsed->n2 * DT(parsed->d2),
            "area is n1 x DT(d1) + n2 x DT(d2)");
    Require(OptionEntryArea(rewritten) == area, "the canonical entry has the same area");
    return 0;
}
