#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vesmarot::engine {

// The twelve bar diameters in millimetres, in rising order. Positions are 1-based, as engineers
// count them; 30 mm only ever appears beside 28 mm.
class BarCatalogue {
  public:
    static constexpr std::size_t kSize = 12;

    // Diameter in mm at position 1..kSize.
    static constexpr std::int16_t DiameterAt(std::size_t position) {
        return kDiameters[position - 1];
    }

    static constexpr std::size_t Size() { return kSize; }

  private:
    static constexpr std::array<std::int16_t, kSize> kDiameters{6,  8,  10, 12, 14, 16,
                                                                18, 20, 22, 25, 28, 30};
};

// Cross-section area in cm² of one round bar of diameter d mm. The operation order and the
// 8-digit constant are fixed on purpose: sums of these areas are compared exactly, so the last
// bit of every result must never change.
constexpr double DT(double d) {
    const double q = d * d;
    const double r = q * 3.1415926;
    return r / 400.0;
}

}  // namespace vesmarot::engine
