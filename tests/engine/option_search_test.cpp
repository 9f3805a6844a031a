#include "engine/option_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/option_entry.h"

namespace vesmarot::engine {
namespace {

using Entries = std::vector<std::string>;

struct ExampleRow {
    std::string area;
    std::string nmax;
    SearchKind kind;
    Entries entries;
};

void PrintTo(const ExampleRow& row, std::ostream* os) {
    *os << "area " << row.area << ", Nmax " << row.nmax;
}

// 17f28, then 16f28+1f30 down to 1f28+16f30.
Entries SeventeenOf28() {
    Entries entries{"17f28"};
    for (int n1 = 16; n1 >= 1; --n1) entries.push_back(FormatOptionEntry(n1, 28, 17 - n1, 30));
    return entries;
}

class WorkedExamples : public ::testing::TestWithParam<ExampleRow> {};

TEST_P(WorkedExamples, ListTheOptionsInWalkOrder) {
    const ExampleRow& row = GetParam();
    const SearchOutcome outcome = SearchOptions(row.nmax, row.area);
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_EQ(outcome.entries, row.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExamples,
    ::testing::Values(
        ExampleRow{"5",
                   "3",
                   SearchKind::OptionsFound,
                   {"3f16", "2f16+1f18", "1f16+2f18", "2f18", "1f18+1f20", "2f20", "1f20+1f22",
                    "2f22", "1f22+1f25", "2f25", "1f25+1f28", "1f28"}},
        ExampleRow{"5",
                   "2",
                   SearchKind::OptionsFound,
                   {"2f18", "1f18+1f20", "2f20", "1f20+1f22", "2f22", "1f22+1f25", "2f25",
                    "1f25+1f28", "1f28"}},
        ExampleRow{"5",
                   "4",
                   SearchKind::OptionsFound,
                   {"4f14", "3f14+1f16", "2f14+2f16", "1f14+3f16", "3f16", "2f16+1f18", "1f16+2f18",
                    "2f18", "1f18+1f20", "2f20", "1f20+1f22", "2f22", "1f22+1f25", "2f25",
                    "1f25+1f28", "1f28"}},
        ExampleRow{
            "12.5",
            "4",
            SearchKind::OptionsFound,
            {"4f20", "3f20+1f22", "2f20+2f22", "1f20+3f22", "4f22", "3f22+1f25", "2f22+2f25",
             "1f22+3f25", "3f25", "2f25+1f28", "1f25+2f28", "3f28", "2f28+1f30", "1f28+2f30"}},
        ExampleRow{"10",
                   "3",
                   SearchKind::OptionsFound,
                   {"3f22", "2f22+1f25", "1f22+2f25", "3f25", "2f25+1f28", "1f25+2f28", "2f28",
                    "1f28+1f30"}},
        ExampleRow{
            "2", "2", SearchKind::OptionsFound, {"2f12", "1f12+1f14", "2f14", "1f14+1f16", "1f16"}},
        ExampleRow{"0.3", "3", SearchKind::OptionsFound, {"2f6", "1f6+1f8", "1f8"}},
        ExampleRow{"0.2", "3", SearchKind::OptionsFound, {"1f6"}},
        ExampleRow{"6.1", "1", SearchKind::OptionsFound, {"1f28"}},
        ExampleRow{"99.9", "17", SearchKind::OptionsFound, SeventeenOf28()},
        // One 30 mm bar would cover 7, but 30 mm never stands alone.
        ExampleRow{"7", "1", SearchKind::NoOption, {}},
        ExampleRow{"40", "3", SearchKind::NoOption, {}},
        ExampleRow{"99.9", "16", SearchKind::NoOption, {}},
        // Nmax is rounded half to even: 2.5 searches with 2, 3.5 with 4.
        ExampleRow{"5",
                   "2.5",
                   SearchKind::OptionsFound,
                   {"2f18", "1f18+1f20", "2f20", "1f20+1f22", "2f22", "1f22+1f25", "2f25",
                    "1f25+1f28", "1f28"}},
        ExampleRow{"2",
                   " 3.5 ",
                   SearchKind::OptionsFound,
                   {"4f8", "3f8+1f10", "2f8+2f10", "1f8+3f10", "3f10", "2f10+1f12", "1f10+2f12",
                    "2f12", "1f12+1f14", "2f14", "1f14+1f16", "1f16"}},
        // A candidate equal to the area ends the walk where it stands: 1f20 is exactly 3.1415926.
        ExampleRow{"3.1415926",
                   "3",
                   SearchKind::OptionsFound,
                   {"3f12", "2f12+1f14", "1f12+2f14", "3f14", "2f14+1f16", "1f14+2f16", "2f16",
                    "1f16+1f18", "2f18", "1f18+1f20"}},
        ExampleRow{"3.1415926", "1", SearchKind::NoOption, {}}));

struct CheckRow {
    std::string nmax;
    std::string area;
    SearchKind kind;
    std::string roundedAreaText;
};

void PrintTo(const CheckRow& row, std::ostream* os) {
    *os << "Nmax \"" << row.nmax << "\", area \"" << row.area << '"';
}

class InputChecks : public ::testing::TestWithParam<CheckRow> {};

TEST_P(InputChecks, DecideTheOutcomeAndTheRoundedText) {
    const CheckRow& row = GetParam();
    const SearchOutcome outcome = SearchOptions(row.nmax, row.area);
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_EQ(outcome.roundedAreaText, row.roundedAreaText);
    if (row.kind != SearchKind::OptionsFound) {
        EXPECT_TRUE(outcome.entries.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Nmax, InputChecks,
                         ::testing::Values(CheckRow{"0", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"0.4", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"0.5", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"-2", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"ba", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"256", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"255.5", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"1e999", "5", SearchKind::BadNmax, ""},
                                           CheckRow{"255.4", "5", SearchKind::OptionsFound, "5"},
                                           CheckRow{"0.6", "6.1", SearchKind::OptionsFound, "6.1"},
                                           // Both bad: only Nmax is reported.
                                           CheckRow{"x", "x", SearchKind::BadNmax, ""}));

INSTANTIATE_TEST_SUITE_P(
    Area, InputChecks,
    ::testing::Values(CheckRow{"3", "100", SearchKind::BadArea, ""},
                      CheckRow{"3", "150", SearchKind::BadArea, ""},
                      CheckRow{"3", "0", SearchKind::BadArea, ""},
                      CheckRow{"3", "-1", SearchKind::BadArea, ""},
                      CheckRow{"3", "", SearchKind::BadArea, ""},
                      CheckRow{"3", "thep", SearchKind::BadArea, ""},
                      CheckRow{"3", "1e-999", SearchKind::BadArea, ""},
                      CheckRow{"3", "12.34567", SearchKind::OptionsFound, "12.346"},
                      CheckRow{"3", "7.0", SearchKind::OptionsFound, "7"},
                      CheckRow{"3", "99.9999", SearchKind::NoOption, "100"},
                      CheckRow{"3", "0.0004", SearchKind::OptionsFound, "0"},
                      CheckRow{"3", "0.0625", SearchKind::OptionsFound, "0.062"}));

TEST(SearchOptions, ComparesWithTheUnroundedArea) {
    // Two 28 mm bars give 12.31504...: more than the shown 12.315, less than the typed 12.3151.
    const SearchOutcome typed = SearchOptions("2", "12.3151");
    EXPECT_EQ(typed.kind, SearchKind::NoOption);
    EXPECT_EQ(typed.roundedAreaText, "12.315");
    const SearchOutcome again = SearchOptions("2", typed.roundedAreaText);
    EXPECT_EQ(again.entries, (Entries{"2f28", "1f28+1f30"}));
}

TEST(SearchOptions, RoundedTextGoesBackAsBadArea) {
    EXPECT_EQ(SearchOptions("3", "99.9999").roundedAreaText, "100");
    EXPECT_EQ(SearchOptions("3", "100").kind, SearchKind::BadArea);
    const SearchOutcome tiny = SearchOptions("3", "0.0004");
    EXPECT_EQ(tiny.entries, Entries{"1f6"});
    EXPECT_EQ(SearchOptions("3", tiny.roundedAreaText).kind, SearchKind::BadArea);
}

TEST(SearchOptions, ReadsTheRegionalDecimalComma) {
    const NumberSettings comma{",", "."};
    const SearchOutcome outcome = SearchOptions("4", "12,5", comma);
    EXPECT_EQ(outcome.kind, SearchKind::OptionsFound);
    EXPECT_EQ(outcome.roundedAreaText, "12,5");
    EXPECT_EQ(outcome.entries, SearchOptions("4", "12.5").entries);
    EXPECT_EQ(SearchOptions("3", "12,34567", comma).roundedAreaText, "12,346");
    // Under a decimal comma "2.5" is 25, its "." grouping the digits.
    EXPECT_EQ(SearchOptions("2.5", "5", comma).entries.front(), "18f6");
}

}  // namespace
}  // namespace vesmarot::engine
