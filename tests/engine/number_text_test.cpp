#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "printable_text.h"

namespace vesmarot::engine {
namespace {

const NumberSettings kPoint{".", ","};
const NumberSettings kComma{",", "."};
const NumberSettings kNoBreakSpace{",", "\u00a0"};

struct ReadRow {
    std::string text;
    NumberSettings settings;
    std::optional<double> expected;
};

void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << Printable(row.text) << " (decimal " << Printable(row.settings.decimalSeparator)
        << ", group " << Printable(row.settings.groupSeparator) << ')';
}

class ReadNumberRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberRows, ReadsOnlyTheAcceptedForms) {
    const ReadRow& row = GetParam();
    const std::optional<double> value = ReadNumber(row.text, row.settings);
    ASSERT_EQ(value.has_value(), row.expected.has_value());
    if (value) {
        EXPECT_EQ(*value, *row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, ReadNumberRows,
    ::testing::Values(ReadRow{"5", kPoint, 5.0}, ReadRow{" 3 ", kPoint, 3.0},
                      ReadRow{"\t12.5\t", kPoint, 12.5}, ReadRow{"+2.5", kPoint, 2.5},
                      ReadRow{"-1", kPoint, -1.0}, ReadRow{".5", kPoint, 0.5},
                      ReadRow{"5.", kPoint, 5.0}, ReadRow{"1,234.5", kPoint, 1234.5},
                      ReadRow{"1,,2", kPoint, 12.0}, ReadRow{",5", kPoint, 5.0},
                      ReadRow{"1e2", kPoint, 100.0}, ReadRow{"2.5E-1", kPoint, 0.25},
                      ReadRow{"1.e+1", kPoint, 10.0}, ReadRow{"12,34567", kComma, 12.34567},
                      ReadRow{"1.234,5", kComma, 1234.5},
                      ReadRow{"1\u00a0234,5", kNoBreakSpace, 1234.5},
                      ReadRow{"0e99999999999999999999", kPoint, 0.0}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ReadNumberRows,
    ::testing::Values(ReadRow{"", kPoint, std::nullopt}, ReadRow{"   ", kPoint, std::nullopt},
                      ReadRow{"abc", kPoint, std::nullopt}, ReadRow{".", kPoint, std::nullopt},
                      ReadRow{",", kPoint, std::nullopt}, ReadRow{"-", kPoint, std::nullopt},
                      ReadRow{"1.2.3", kPoint, std::nullopt}, ReadRow{"1e", kPoint, std::nullopt},
                      ReadRow{"1e+", kPoint, std::nullopt}, ReadRow{"e5", kPoint, std::nullopt},
                      ReadRow{"5-", kPoint, std::nullopt}, ReadRow{"(5)", kPoint, std::nullopt},
                      ReadRow{"$5", kPoint, std::nullopt}, ReadRow{"0x1A", kPoint, std::nullopt},
                      ReadRow{"inf", kPoint, std::nullopt}, ReadRow{"nan", kPoint, std::nullopt},
                      ReadRow{"1 2", kPoint, std::nullopt}, ReadRow{"+-1", kPoint, std::nullopt},
                      ReadRow{"1e999", kPoint, std::nullopt},
                      ReadRow{"12.5", kComma, 125.0},  // "." groups digits there
                      ReadRow{"12,5,1", kComma, std::nullopt},
                      ReadRow{std::string("5\0", 2), kPoint, std::nullopt},
                      ReadRow{"5\xff", kPoint, std::nullopt},
                      ReadRow{"\xe2\x80\x89"
                              "5",
                              kPoint, std::nullopt}));

struct FormatRow {
    double value;
    NumberSettings settings;
    std::string expected;
    int places = 3;
};

void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << row.value << " to " << row.places << " as " << Printable(row.expected);
}

class FormatRows : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatRows, ShortestThreeDecimalForm) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(FormatDecimals(row.value, row.places, row.settings), row.expected);
    if (row.places == 3) {
        EXPECT_EQ(FormatThreeDecimals(row.value, row.settings), row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HalvesToEven, FormatRows,
    ::testing::Values(FormatRow{12.34567, kPoint, "12.346"}, FormatRow{7.0, kPoint, "7"},
                      FormatRow{0.0004, kPoint, "0"}, FormatRow{99.9999, kPoint, "100"},
                      FormatRow{0.0625, kPoint, "0.062"},  // exact tie, 2 is even
                      FormatRow{0.1875, kPoint, "0.188"},  // exact tie, 8 is even
                      FormatRow{0.3125, kPoint, "0.312"}, FormatRow{18.8495556, kPoint, "18.85"},
                      FormatRow{0.282743334, kPoint, "0.283"}, FormatRow{12.5, kPoint, "12.5"},
                      FormatRow{12.5, kComma, "12,5"}, FormatRow{1234.5, kComma, "1234,5"},
                      FormatRow{-0.0001, kPoint, "0"},
                      // One decimal, as excesses are written.
                      FormatRow{0.25, kPoint, "0.2", 1},  // exact tie, 2 is even
                      FormatRow{0.75, kComma, "0,8", 1},  // exact tie, 8 is even
                      FormatRow{0.35, kPoint, "0.3", 1},  // just below the tie in binary
                      FormatRow{20.637, kComma, "20,6", 1}, FormatRow{19.96, kPoint, "20", 1},
                      FormatRow{2.5, kPoint, "2", 0}));

}  // namespace
}  // namespace vesmarot::engine
