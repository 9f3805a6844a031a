// Texts no engineer types on purpose, but that a paste or a broken keyboard layout can bring:
// each must get the outcome the number rules give, quickly, and never crash or hang.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/option_entry.h"
#include "engine/option_search.h"

namespace vesmarot::engine {
namespace {

struct HostileRow {
    const char* name;
    std::string nmax;
    std::string area;
    SearchKind kind;
    std::string roundedAreaText;
};

void PrintTo(const HostileRow& row, std::ostream* os) { *os << row.name; }

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

class HostileTexts : public ::testing::TestWithParam<HostileRow> {};

TEST_P(HostileTexts, GetTheRuleOutcomeQuickly) {
    const HostileRow& row = GetParam();
    const auto start = std::chrono::steady_clock::now();
    const SearchOutcome outcome = SearchOptions(row.nmax, row.area);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_EQ(outcome.roundedAreaText, row.roundedAreaText);
    // A few milliseconds in a release build; the bound leaves room for sanitizers.
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 250);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileTexts,
    ::testing::Values(
        // The longest text a field holds: 32 767 digits overflow a double.
        HostileRow{"field-long integer", "3", Repeat('1', 32767), SearchKind::BadArea, ""},
        HostileRow{"field-long Nmax", Repeat('9', 32767), "5", SearchKind::BadNmax, ""},
        HostileRow{"million-digit integer", "3", Repeat('7', 1000000), SearchKind::BadArea, ""},
        HostileRow{"million zero decimals", "3", "5." + Repeat('0', 1000000),
                   SearchKind::OptionsFound, "5"},
        HostileRow{"million decimals then a one", "3", "5." + Repeat('0', 999998) + "1",
                   SearchKind::OptionsFound, "5"},
        HostileRow{"million leading zeros", "3", Repeat('0', 1000000) + "5",
                   SearchKind::OptionsFound, "5"},
        HostileRow{"million blanks around", Repeat(' ', 500000) + "3" + Repeat(' ', 500000), "5",
                   SearchKind::OptionsFound, "5"},
        HostileRow{"huge exponent", "3", "1e99999999999999999999999", SearchKind::BadArea, ""},
        HostileRow{"tiny exponent", "3", "1e-99999999999999999999999", SearchKind::BadArea, ""},
        HostileRow{"NUL inside", "3",
                   std::string("5\0"
                               "5",
                               3),
                   SearchKind::BadArea, ""},
        HostileRow{"NUL Nmax", std::string(1, '\0'), "5", SearchKind::BadNmax, ""},
        HostileRow{"invalid UTF-8", "3", "5\xc3\x28", SearchKind::BadArea, ""},
        HostileRow{"lone continuation bytes", "\x80\x80", "5", SearchKind::BadNmax, ""},
        HostileRow{"combining mark on a digit", "3", "5\xcc\x81", SearchKind::BadArea, ""},
        HostileRow{"full-width digits", "3", "\xef\xbc\x95", SearchKind::BadArea, ""},
        HostileRow{"Arabic-Indic digit", "\xd9\xa3", "5", SearchKind::BadNmax, ""}));

TEST(HostileEntries, MillionCharacterEntryHasNoValue) {
    const std::string entry = Repeat('1', 1000000) + "f16";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(OptionEntryArea(entry).has_value());
    EXPECT_FALSE(OptionEntryArea(Repeat('f', 1000000)).has_value());
    EXPECT_FALSE(OptionEntryArea(Repeat('+', 1000000)).has_value());
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start)
                  .count(),
              250);
}

}  // namespace
}  // namespace vesmarot::engine
