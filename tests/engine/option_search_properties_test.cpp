// Checks over many generated inputs that the listed options keep the walk's promises.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "engine/bar_catalogue.h"
#include "engine/option_entry.h"
#include "engine/option_search.h"

namespace vesmarot::engine {
namespace {

std::size_t PositionOf(int diameter) {
    for (std::size_t p = 1; p <= BarCatalogue::Size(); ++p) {
        if (BarCatalogue::DiameterAt(p) == diameter) return p;
    }
    return 0;
}

void CheckOutcome(double area, int nmax, const SearchOutcome& outcome) {
    SCOPED_TRACE("area " + std::to_string(area) + ", Nmax " + std::to_string(nmax));
    ASSERT_NE(outcome.kind, SearchKind::BadArea);
    ASSERT_NE(outcome.kind, SearchKind::BadNmax);
    EXPECT_EQ(outcome.kind == SearchKind::OptionsFound, !outcome.entries.empty());
    EXPECT_LE(outcome.entries.size(), static_cast<std::size_t>(11 * nmax));

    std::size_t lastPosition = 0;
    int n0 = 0;          // the single-diameter count of the current position
    int expectedN1 = 0;  // the next mixed entry's first count
    for (std::size_t i = 0; i < outcome.entries.size(); ++i) {
        const std::string& entry = outcome.entries[i];
        SCOPED_TRACE(entry);
        const auto parsed = ParseOptionEntry(entry);
        ASSERT_TRUE(parsed.has_value());
        const std::size_t p = PositionOf(parsed->d1);
        ASSERT_GE(p, 1u);
        ASSERT_LE(p, 11u);  // 30 mm never comes first
        EXPECT_LE(parsed->n1 + parsed->n2, nmax);
        EXPECT_GT(*OptionEntryArea(entry), area);  // covers strictly

        if (parsed->n2 == 0) {
            // A new position starts with its fewest bars of one diameter.
            EXPECT_GT(p, lastPosition);
            EXPECT_EQ(expectedN1, 0) << "mixed entries missing before this one";
            EXPECT_FALSE((parsed->n1 - 1) * DT(parsed->d1) > area) << "not the fewest bars";
            for (std::size_t skipped = lastPosition + 1; skipped < p; ++skipped) {
                EXPECT_LE(nmax * DT(BarCatalogue::DiameterAt(skipped)), area)
                    << "position " << skipped << " could have been listed";
            }
            lastPosition = p;
            n0 = parsed->n1;
            expectedN1 = n0 - 1;
            if (n0 == 1) {
                EXPECT_EQ(i + 1, outcome.entries.size()) << "one bar covers: the end";
            }
        } else {
            EXPECT_EQ(p, lastPosition);
            EXPECT_EQ(parsed->d2, BarCatalogue::DiameterAt(p + 1));
            EXPECT_EQ(parsed->n1, expectedN1);
            EXPECT_EQ(parsed->n1 + parsed->n2, n0);
            --expectedN1;
        }
    }
    EXPECT_EQ(expectedN1, 0) << "the last position's mixed entries are incomplete";
}

TEST(SearchProperties, HoldForGeneratedInputs) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> areas(0.0001, 99.9999);
    std::uniform_int_distribution<int> smallNmax(1, 40);
    for (int i = 0; i < 4000; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", areas(random));
        const int nmax = (i % 10 == 0) ? 255 : smallNmax(random);
        const SearchOutcome outcome = SearchOptions(std::to_string(nmax), text);
        CheckOutcome(std::stod(text), nmax, outcome);
        EXPECT_EQ(SearchOptions(std::to_string(nmax), text).entries, outcome.entries);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(SearchProperties, LargestInputStaysWithinItsBound) {
    const SearchOutcome outcome = SearchOptions("255", "99.9");
    CheckOutcome(99.9, 255, outcome);
    EXPECT_EQ(outcome.entries.front(), "199f8");
}

TEST(SearchProperties, MostEntriesAtNmax255) {
    // 255 bars of 6 mm just cover 71.88: every position lists all its options.
    const SearchOutcome outcome = SearchOptions("255", "71.88");
    CheckOutcome(71.88, 255, outcome);
    EXPECT_EQ(outcome.entries.size(), 736u);
    EXPECT_EQ(outcome.entries.front(), "255f6");
}

}  // namespace
}  // namespace vesmarot::engine
