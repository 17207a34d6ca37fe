// The arithmetic of the 64-band gradient fill and of point-size fonts.
#pragma once

#include <cstdint>
#include <vector>

namespace tv {

// A colour as the system stores it: red in the low byte, then green, blue.
using Rgb = uint32_t;
constexpr Rgb MakeRgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

struct GradientBand {
    int left, top, right, bottom;
    Rgb color;
};

// The bands of a gradient from `from` to `to` over the rectangle: band 0, in
// the from-colour, at the left (horizontal) or at the bottom (vertical). Bands
// of no extent are left out.
std::vector<GradientBand> GradientBands(int left, int top, int right, int bottom, Rgb from, Rgb to,
                                        bool vertical);

// The font height (negative: character height) of a font of `tenthsOfPoint`
// on a screen of logPixelsY dots per inch, rounded half up.
int FontHeight(int tenthsOfPoint, int logPixelsY);

}  // namespace tv
