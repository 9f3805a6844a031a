#include "number_text.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <vector>

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

// Wide enough for any mantissa times 10^17. (__extension__: GCC and Clang's, in every target.)
__extension__ typedef unsigned __int128 Wide;

// The decimal digits of `value`, most significant first; "0" for 0.
template <typename Unsigned>
std::string DigitsOf(Unsigned value) {
    std::string digits;
    do {
        digits.push_back(char('0' + int(value % 10)));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// Areas fit in 64 bits, whose division is one instruction rather than a library call.
std::string Digits(Wide value) {
    return value <= Wide(UINT64_MAX) ? DigitsOf(std::uint64_t(value)) : DigitsOf(value);
}

// The decimal digits of mantissa * 2^exponent, exactly (a whole number up to about 1.8e308).
std::string WholeDigits(std::uint64_t mantissa, int exponent) {
    // Little-endian 32-bit limbs.
    std::vector<std::uint32_t> limbs{std::uint32_t(mantissa), std::uint32_t(mantissa >> 32)};
    for (; exponent > 0; --exponent) {
        std::uint32_t carry = 0;
        for (auto& limb : limbs) {
            const std::uint32_t next = limb >> 31;
            limb = (limb << 1) | carry;
            carry = next;
        }
        if (carry != 0) limbs.push_back(carry);
    }
    // Nine decimal digits at a time, least significant group first.
    std::vector<std::uint32_t> groups;
    while (!(limbs.size() == 1 && limbs[0] == 0) && !limbs.empty()) {
        std::uint64_t remainder = 0;
        for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
            const std::uint64_t current = (remainder << 32) | *limb;
            *limb = std::uint32_t(current / 1000000000u);
            remainder = current % 1000000000u;
        }
        groups.push_back(std::uint32_t(remainder));
        while (limbs.size() > 1 && limbs.back() == 0) limbs.pop_back();
    }
    if (groups.empty()) return "0";
    std::string digits = Digits(groups.back());
    for (auto group = groups.rbegin() + 1; group != groups.rend(); ++group) {
        const std::string part = Digits(*group);
        digits.append(9 - part.size(), '0').append(part);
    }
    return digits;
}

// `value` rounded to `places` decimals (0 to 17) on its exact binary value, halves to even, as
// "-123.4560" with exactly `places` decimals. Written here rather than taken from std::to_chars:
// a browser build would carry that formatter's large tables for the few digits areas need.
std::string FixedDecimals(double value, int places) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = int((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t(1) << 52) - 1);
    int exponent = biased - 1075;
    if (biased == 0) {
        exponent = -1074;
    } else {
        mantissa |= std::uint64_t(1) << 52;
    }

    std::string digits;
    if (mantissa == 0) {
        digits = "0";
    } else if (exponent >= 0) {
        // A whole number: its decimals are all zero.
        digits = WholeDigits(mantissa, exponent) + std::string(std::size_t(places), '0');
    } else {
        // mantissa * 10^places / 2^shift, rounded; the numerator stays below 2^110.
        Wide scaled = mantissa;
        for (int i = 0; i < places; ++i) scaled *= 10;
        const int shift = -exponent;
        Wide quotient = 0;
        if (shift < 120) {
            quotient = scaled >> shift;
            const Wide remainder = scaled - (quotient << shift);
            const Wide half = Wide(1) << (shift - 1);
            if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
        }
        digits = Digits(quotient);
    }
    if (places > 0) {
        if (digits.size() <= std::size_t(places))
            digits.insert(0, std::size_t(places) + 1 - digits.size(), '0');
        digits.insert(digits.size() - std::size_t(places), 1, '.');
    }
    if (negative) digits.insert(0, 1, '-');
    return digits;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, const NumberSettings& settings) {
    text = TrimBlanks(text);

    // Rebuilt in the one plain notation the reader below takes, whatever the C library's locale.
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

    // Correctly rounded, the same in every build: fast_float is what GCC's own from_chars uses,
    // and browsers' C++ libraries have no from_chars for doubles.
    double value = 0.0;
    const char* const end = plain.data() + plain.size();
    const auto [ptr, ec] = fast_float::from_chars(plain.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    // Out of range, as from_chars has it: overflow (refused as the rules require), and a
    // non-zero number that underflows to 0, which every caller would refuse anyway. Older
    // fast_float versions return these as infinity and 0 rather than as errors.
    const std::string_view mantissaText = std::string_view(plain).substr(0, plain.find('e'));
    if (std::isinf(value)) return std::nullopt;
    if (value == 0.0 && mantissaText.find_first_of("123456789") != std::string_view::npos)
        return std::nullopt;
    return value;
}

std::string FormatDecimals(double value, int places, const NumberSettings& settings) {
    std::string fixed = FixedDecimals(value, std::clamp(places, 0, 17));

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
