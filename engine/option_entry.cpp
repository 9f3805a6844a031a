#include "option_entry.h"

#include <charconv>

#include "bar_catalogue.h"
#include "number_text.h"

namespace vesmarot::engine {
namespace {

// Nine digits always fit an int; no real entry comes near that.
constexpr std::size_t kMaxPieceDigits = 9;

std::optional<int> ReadPiece(std::string_view piece) {
    if (piece.empty() || piece.size() > kMaxPieceDigits) return std::nullopt;
    for (const char c : piece) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int value = 0;
    std::from_chars(piece.data(), piece.data() + piece.size(), value);
    return value;
}

// A count or diameter in plain digits (to_chars: to_string would bring printf into a web page).
std::string Whole(int value) {
    char digits[12];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

std::string FormatOptionEntry(int n1, int d1) { return Whole(n1) + 'f' + Whole(d1); }

std::string FormatOptionEntry(int n1, int d1, int n2, int d2) {
    return FormatOptionEntry(n1, d1) + '+' + FormatOptionEntry(n2, d2);
}

std::string FormatOptionEntry(const ParsedOption& option) {
    if (option.n2 == 0 && option.d2 == 0) return FormatOptionEntry(option.n1, option.d1);
    return FormatOptionEntry(option.n1, option.d1, option.n2, option.d2);
}

std::optional<ParsedOption> ParseOptionEntry(std::string_view entry) {
    const auto p = entry.find('f');
    if (p == std::string_view::npos) return std::nullopt;
    const auto q = entry.find('+');

    std::optional<int> n1 = ReadPiece(entry.substr(0, p));
    if (q == std::string_view::npos) {
        std::optional<int> d1 = ReadPiece(entry.substr(p + 1));
        if (!n1 || !d1) return std::nullopt;
        return ParsedOption{*n1, *d1, 0, 0};
    }

    const auto r = entry.rfind('f');
    if (q < p || r < q) return std::nullopt;
    std::optional<int> d1 = ReadPiece(entry.substr(p + 1, q - p - 1));
    std::optional<int> n2 = ReadPiece(entry.substr(q + 1, r - q - 1));
    std::optional<int> d2 = ReadPiece(entry.substr(r + 1));
    if (!n1 || !d1 || !n2 || !d2) return std::nullopt;
    return ParsedOption{*n1, *d1, *n2, *d2};
}

std::optional<double> OptionEntryArea(std::string_view entry) {
    const std::optional<ParsedOption> option = ParseOptionEntry(entry);
    if (!option) return std::nullopt;
    const double a1 = DT(option->d1);
    const double a2 = DT(option->d2);
    return option->n1 * a1 + option->n2 * a2;
}

std::optional<std::string> OptionEntryAreaText(std::string_view entry,
                                               const NumberSettings& settings) {
    const std::optional<double> area = OptionEntryArea(entry);
    if (!area) return std::nullopt;
    return FormatThreeDecimals(*area, settings);
}

std::optional<std::string> OptionEntryExcessText(std::string_view entry, double requiredArea,
                                                 const NumberSettings& settings) {
    const std::optional<double> area = OptionEntryArea(entry);
    if (!area || !(requiredArea > 0.0)) return std::nullopt;
    return FormatDecimals((*area - requiredArea) / requiredArea * 100.0, 1, settings);
}

}  // namespace vesmarot::engine
