#include "engine/option_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vesmarot::engine {
namespace {

struct EntryRow {
    std::string entry;
    ParsedOption parsed;
    double area;
    std::string shown;
};

void PrintTo(const EntryRow& row, std::ostream* os) { *os << row.entry; }

class EntryRows : public ::testing::TestWithParam<EntryRow> {};

TEST_P(EntryRows, SplitsAndMeasures) {
    const EntryRow& row = GetParam();
    const auto parsed = ParseOptionEntry(row.entry);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, row.parsed);

    const auto area = OptionEntryArea(row.entry);
    ASSERT_TRUE(area.has_value());
    EXPECT_NEAR(*area, row.area, 1e-9);
    EXPECT_EQ(OptionEntryAreaText(row.entry, {}), row.shown);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, EntryRows,
                         ::testing::Values(EntryRow{"2f16", {2, 16, 0, 0}, 4.021238528, "4.021"},
                                           EntryRow{"6f20", {6, 20, 0, 0}, 18.8495556, "18.85"},
                                           EntryRow{"1f6", {1, 6, 0, 0}, 0.282743334, "0.283"},
                                           EntryRow{
                                               "2f16+1f18", {2, 16, 1, 18}, 6.565928534, "6.566"}));

INSTANTIATE_TEST_SUITE_P(
    PieceWidths, EntryRows,
    ::testing::Values(EntryRow{"17f28", {17, 28, 0, 0}, 104.677865432, "104.678"},
                      EntryRow{"16f28+1f30", {16, 28, 1, 30}, 105.588927286, "105.589"},
                      EntryRow{"1f28+16f30", {1, 28, 16, 30}, 119.254855096, "119.255"},
                      EntryRow{"2f6", {2, 6, 0, 0}, 0.565486668, "0.565"},
                      EntryRow{"1f8+1f10", {1, 8, 1, 10}, 1.288052966, "1.288"},
                      EntryRow{"255f28+1f30", {255, 28, 1, 30}, 1577.23656483, "1577.237"}));

TEST(OptionEntryArea, UsesTheRegionalDecimalSeparator) {
    EXPECT_EQ(OptionEntryAreaText("2f16+1f18", {",", "."}), "6,566");
}

TEST(OptionEntryFormat, WritesBothShapes) {
    EXPECT_EQ(FormatOptionEntry(3, 16), "3f16");
    EXPECT_EQ(FormatOptionEntry(2, 16, 1, 18), "2f16+1f18");
    EXPECT_EQ(FormatOptionEntry(17, 28), "17f28");
    EXPECT_EQ(FormatOptionEntry(ParsedOption{1, 28, 16, 30}), "1f28+16f30");
    EXPECT_EQ(FormatOptionEntry(ParsedOption{2, 6, 0, 0}), "2f6");
}

struct ExcessRow {
    std::string entry;
    double required;
    NumberSettings settings;
    std::optional<std::string> expected;
};

void PrintTo(const ExcessRow& row, std::ostream* os) {
    *os << row.entry << " for " << row.required << " with " << row.settings.decimalSeparator;
}

class ExcessRows : public ::testing::TestWithParam<ExcessRow> {};

TEST_P(ExcessRows, PercentOverTheRequiredArea) {
    const ExcessRow& row = GetParam();
    EXPECT_EQ(OptionEntryExcessText(row.entry, row.required, row.settings), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExcessRows,
                         ::testing::Values(ExcessRow{"3f16", 5.0, {".", ","}, "20.6"},
                                           ExcessRow{"3f16", 5.0, {",", "."}, "20,6"},
                                           ExcessRow{"1f28", 5.0, {".", ","}, "23.2"},
                                           ExcessRow{"4f20", 12.34567, {".", ","}, "1.8"},
                                           // 6.031857792 is 1.2 times 5.02654816.
                                           ExcessRow{"3f16", 5.02654816, {".", ","}, "20"},
                                           ExcessRow{"3f1x", 5.0, {".", ","}, std::nullopt},
                                           ExcessRow{"3f16", 0.0, {".", ","}, std::nullopt},
                                           ExcessRow{"3f16", -1.0, {".", ","}, std::nullopt}));

class MalformedEntries : public ::testing::TestWithParam<std::string> {};

TEST_P(MalformedEntries, HaveNoValue) {
    EXPECT_FALSE(ParseOptionEntry(GetParam()).has_value());
    EXPECT_FALSE(OptionEntryArea(GetParam()).has_value());
    EXPECT_FALSE(OptionEntryAreaText(GetParam(), {}).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, MalformedEntries,
                         ::testing::Values("", "f", "3", "3f", "f16", "3F16",
                                           "3\xcf\x86"
                                           "16",
                                           "3f16+", "3f16+1", "3f16+f18", "3f16+1f", "+1f18",
                                           "2+1f18", "3f1x", " 3f16", "3f16 ", "-3f16",
                                           "3f16+1f18+1f20", "9999999999f16",
                                           std::string("3f1\0"
                                                       "6",
                                                       5)));

}  // namespace
}  // namespace vesmarot::engine
