#include "option_search.h"

#include <cmath>
#include <optional>

#include "bar_catalogue.h"
#include "number_text.h"
#include "option_entry.h"

namespace vesmarot::engine {
namespace {

// Nmax is rounded half to even; anything outside 1..kMaxNmax is refused.
std::optional<int> CheckNmax(std::string_view text, const NumberSettings& settings) {
    const std::optional<double> value = ReadNumber(text, settings);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= 1.0 && rounded <= kMaxNmax)) return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<double> CheckArea(std::string_view text, const NumberSettings& settings) {
    const std::optional<double> value = ReadNumber(text, settings);
    if (!value || !(*value > 0.0 && *value < 100.0)) return std::nullopt;
    return value;
}

// Appends the options of one catalogue position. Returns false when the whole walk must stop:
// a single bar already covers the area, or a candidate equals it exactly.
bool WalkPosition(std::size_t position, int nmax, double area, std::vector<std::string>& entries) {
    const int d1 = BarCatalogue::DiameterAt(position);
    const int d2 = BarCatalogue::DiameterAt(position + 1);
    const double a1 = DT(d1);
    const double a2 = DT(d2);

    int n0 = 1;
    for (;; ++n0) {
        if (n0 > nmax) return true;
        const double s = n0 * a1;
        if (s > area) break;
        // An exact match is neither listed nor taken as too small: the walk ends here.
        if (!(s < area)) return false;
    }
    entries.push_back(FormatOptionEntry(n0, d1));
    if (n0 == 1) return false;

    int n1 = n0 - 1;
    int n2 = 1;
    while (n1 > 0) {
        const double s = n1 * a1 + n2 * a2;
        if (n2 > nmax - n1) break;
        if (s > area) {
            entries.push_back(FormatOptionEntry(n1, d1, n2, d2));
            --n1;
        }
        ++n2;
    }
    return true;
}

}  // namespace

SearchOutcome SearchOptions(std::string_view nmaxText, std::string_view areaText,
                            const NumberSettings& settings) {
    SearchOutcome outcome;
    const std::optional<int> nmax = CheckNmax(nmaxText, settings);
    if (!nmax) {
        outcome.kind = SearchKind::BadNmax;
        return outcome;
    }
    const std::optional<double> area = CheckArea(areaText, settings);
    if (!area) {
        outcome.kind = SearchKind::BadArea;
        return outcome;
    }
    outcome.roundedAreaText = FormatThreeDecimals(*area, settings);
    outcome.area = *area;

    // 30 mm, the last position, is only ever the second diameter of a pair.
    for (std::size_t p = 1; p < BarCatalogue::Size(); ++p) {
        if (!WalkPosition(p, *nmax, *area, outcome.entries)) break;
    }
    outcome.kind = outcome.entries.empty() ? SearchKind::NoOption : SearchKind::OptionsFound;
    return outcome;
}

}  // namespace vesmarot::engine
