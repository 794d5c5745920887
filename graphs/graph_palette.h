// The graph colours: the series palette by list position and the fixed colours.
#pragma once

#include <array>

#include "platform/surface.h"

namespace finplan {

inline constexpr std::array<Color, 10> kSeriesPalette = {
    rgb(0, 0, 255),  rgb(255, 0, 0),  rgb(255, 255, 0), rgb(170, 0, 255),  rgb(0, 255, 0),
    rgb(136, 0, 72), rgb(10, 85, 85), rgb(255, 170, 0), rgb(255, 68, 255), rgb(52, 255, 255)};

// Colour of the series at list position i; positions past the palette wrap round.
constexpr Color seriesColor(int i) {
    return kSeriesPalette[static_cast<std::size_t>((i % 10 + 10) % 10)];
}

inline constexpr Color kBlack = rgb(0, 0, 0);
inline constexpr Color kGrey = rgb(100, 100, 100); // grid lines, floor, panel shadow
inline constexpr Color kWhite = rgb(255, 255, 255);
inline constexpr Color kPieShadow = rgb(119, 119, 119);
inline constexpr Color kNegative = rgb(255, 0, 0);
inline constexpr Color kDefaultButtonFace = rgb(240, 240, 240);

// Numbers are black, or red when negative.
constexpr Color numberColor(double v) {
    return v < 0 ? kNegative : kBlack;
}

} // namespace finplan
