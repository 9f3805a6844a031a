#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
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
                      ReadRow{"0e99999999999999999999", kPoint, 0.0},
                      // Tiny but not 0: kept, as from_chars keeps it.
                      ReadRow{"1e-310", kPoint, 1e-310}, ReadRow{"4.9e-324", kPoint, 4.9e-324},
                      ReadRow{"1.7976931348623158e308", kPoint, 1.7976931348623158e308}));

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
                      // Out of range: too large, and non-zero yet rounding to 0.
                      ReadRow{"1.7976931348623159e308", kPoint, std::nullopt},
                      ReadRow{"1e-400", kPoint, std::nullopt},
                      ReadRow{"2.4e-324", kPoint, std::nullopt},
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

// The writer rounds the exact binary value, halves to even, exactly as the standard library's
// fixed-notation to_chars does, over the whole range of doubles and of decimals.
TEST(FormatDecimalsAgreement, AgreesWithToCharsDigitForDigit) {
    std::vector<double> values{0.0,
                               -0.0,
                               5e-324,
                               2.2250738585072009e-308,
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max(),
                               9007199254740993.0,
                               0.5,
                               1.5,
                               2.5,
                               0.0005,
                               0.00049999999999999999,
                               99.9995,
                               1e17,
                               123456789012345678.0};
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 20000; ++i) {
        // Any bit pattern but infinities and NaNs, and as many in the range areas take.
        double any;
        do {
            const std::uint64_t bits = random();
            std::memcpy(&any, &bits, sizeof any);
        } while (!std::isfinite(any));
        values.push_back(any);
        values.push_back(std::ldexp(double(random() >> 11), -int(random() % 70)));
    }
    const NumberSettings settings{".", ","};
    int compared = 0;
    for (double value : values) {
        for (int places = 0; places <= 17; ++places) {
            static char buffer[2000];
            const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                               std::chars_format::fixed, places);
            ASSERT_EQ(written.ec, std::errc());
            std::string expected(buffer, written.ptr);
            // The shortest form FormatDecimals writes from it.
            if (expected.find('.') != std::string::npos) {
                expected.erase(expected.find_last_not_of('0') + 1);
                if (expected.back() == '.') expected.pop_back();
            }
            if (expected == "-0") expected = "0";
            ASSERT_EQ(FormatDecimals(value, places, settings), expected)
                << "value " << value << " places " << places;
            ++compared;
        }
    }
    EXPECT_EQ(compared, int(values.size()) * 18);
}

}  // namespace
}  // namespace vesmarot::engine
