#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

namespace vesmarot::ui {

// The layouts are designed in twips: 1440 to the inch, 15 to a device-independent pixel. Qt
// scales those pixels for high-DPI screens, so one conversion keeps every window in proportion.
constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) {
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -(kTwipsPerPixel / 2))) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

inline QSize TwipsSize(int width, int height) { return {Twips(width), Twips(height)}; }

}  // namespace vesmarot::ui
