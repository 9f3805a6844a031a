#include "engine/bar_catalogue.h"

#include <gtest/gtest.h>

namespace vesmarot::engine {
namespace {

struct BarRow {
    std::size_t position;
    int diameter;
    double area;  // cm², to ten decimals
};

void PrintTo(const BarRow& row, std::ostream* os) {
    *os << "position " << row.position << ", " << row.diameter << " mm";
}

class BarCatalogueRows : public ::testing::TestWithParam<BarRow> {};

TEST_P(BarCatalogueRows, DiameterAndOneBarArea) {
    const BarRow row = GetParam();
    EXPECT_EQ(BarCatalogue::DiameterAt(row.position), row.diameter);
    EXPECT_NEAR(DT(row.diameter), row.area, 0.6e-10);
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, BarCatalogueRows,
                         ::testing::Values(BarRow{1, 6, 0.2827433340}, BarRow{2, 8, 0.5026548160},
                                           BarRow{3, 10, 0.7853981500}, BarRow{4, 12, 1.1309733360},
                                           BarRow{5, 14, 1.5393803740}, BarRow{6, 16, 2.0106192640},
                                           BarRow{7, 18, 2.5446900060}, BarRow{8, 20, 3.1415926000},
                                           BarRow{9, 22, 3.8013270460},
                                           BarRow{10, 25, 4.9087384375},
                                           BarRow{11, 28, 6.1575214960},
                                           BarRow{12, 30, 7.0685833500}));

TEST(BarCatalogue, HasTwelveStrictlyRisingDiameters) {
    ASSERT_EQ(BarCatalogue::Size(), 12u);
    for (std::size_t p = 1; p < BarCatalogue::Size(); ++p) {
        EXPECT_LT(BarCatalogue::DiameterAt(p), BarCatalogue::DiameterAt(p + 1)) << "position " << p;
    }
}

TEST(BarArea, KeepsTheLastBitOfTheFixedOperationOrder) {
    EXPECT_EQ(DT(0), 0.0);
    // 20 mm: 400 × c ÷ 400 must give back the constant itself, bit for bit.
    EXPECT_EQ(DT(20), 3.1415926);
    EXPECT_EQ(DT(16), ((16.0 * 16.0) * 3.1415926) / 400.0);
    EXPECT_EQ(DT(25), 4.9087384375);
}

}  // namespace
}  // namespace vesmarot::engine
