#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace vesmarot::engine {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    if (prefix.empty() || text.substr(0, prefix.size()) != prefix) return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, const NumberSettings& settings) {
    text = TrimBlanks(text);

    // Rebuilt in the one notation from_chars reads, which ignores the C library's locale.
    std::string plain;
    plain.reserve(text.size());
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        if (text.front() == '-') plain.push_back('-');
        text.remove_prefix(1);
    }

    bool sawDigit = false;
    bool sawDecimal = false;
    while (!text.empty()) {
        if (IsDigit(text.front())) {
            plain.push_back(text.front());
            text.remove_prefix(1);
            sawDigit = true;
        } else if (!sawDecimal && ConsumePrefix(text, settings.decimalSeparator)) {
            // Checked before the group separator, so a locale that misconfigures both alike
            // still reads decimals.
            plain.push_back('.');
            sawDecimal = true;
        } else if (ConsumePrefix(text, settings.groupSeparator)) {
            // Grouping is cosmetic: dropped wherever it stands among the digits.
        } else {
            break;
        }
    }
    if (!sawDigit) return std::nullopt;

    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        plain.push_back('e');
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            plain.push_back(text.front());
            text.remove_prefix(1);
        }
        bool sawExponentDigit = false;
        while (!text.empty() && IsDigit(text.front())) {
            plain.push_back(text.front());
            text.remove_prefix(1);
            sawExponentDigit = true;
        }
        if (!sawExponentDigit) return std::nullopt;
    }
    if (!text.empty()) return std::nullopt;

    double value = 0.0;
    const char* const end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value);
    // Out of range covers overflow (refused as the rules require) and total underflow, whose
    // value 0 would be refused by every caller anyway.
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::string FormatDecimals(double value, int places, const NumberSettings& settings) {
    // to_chars rounds the exact binary value and breaks exact ties to even.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, std::clamp(places, 0, 17));
    std::string fixed(buffer, result.ptr);

    const auto point = fixed.find('.');
    if (point != std::string::npos) {
        auto last = fixed.find_last_not_of('0');
        if (last == point) --last;
        fixed.erase(last + 1);
    }
    if (fixed == "-0") fixed = "0";

    const auto separator = fixed.find('.');
    if (separator != std::string::npos) fixed.replace(separator, 1, settings.decimalSeparator);
    return fixed;
}

std::string FormatThreeDecimals(double value, const NumberSettings& settings) {
    return FormatDecimals(value, 3, settings);
}

}  // namespace vesmarot::engine
