// Lengths in logical pixels (the handheld's 96 per inch) at a window's dpi
// and the user's zoom: the one place a length becomes pixels.
#pragma once

#include <cstdint>

namespace tv {

struct LayoutScale {
    int dpiX = 96;
    int dpiY = 96;
    int zoom = 100;  // percent

    int X(int logical) const { return Apply(logical, dpiX); }
    int Y(int logical) const { return Apply(logical, dpiY); }

private:
    // As MulDiv rounds: to nearest, halves away from zero. At 96 and 192 dpi
    // and 100 % every length is the handheld's, or exactly twice it.
    int Apply(int logical, int dpi) const {
        const int64_t product = int64_t{logical} * dpi * zoom, divisor = 96 * 100;
        return static_cast<int>((product >= 0 ? product + divisor / 2 : product - divisor / 2) / divisor);
    }
};

}  // namespace tv
