// Lengths in logical pixels (the handheld's 96 per inch) at a window's dpi
// and the user's zoom: the one place a length becomes pixels.
#pragma once

#include <cstdint>

namespace tv {

struct LayoutScale {
    int dpiX = 96;
    int dpiY = 96;
    int zoom = 100;  // percent

    int X(int logical) const { return Apply(logical, int64_t{dpiX} * zoom, 96 * 100); }
    int Y(int logical) const { return Apply(logical, int64_t{dpiY} * zoom, 96 * 100); }
    // The pixels a font takes per inch at this scale.
    int FontDpi() const { return Y(96); }

    // A length of `pixels` laid out at `from`, at this scale: a dialog
    // template's control keeps its place and size in proportion.
    int XFrom(int pixels, const LayoutScale& from) const {
        return Apply(pixels, int64_t{dpiX} * zoom, int64_t{from.dpiX} * from.zoom);
    }
    int YFrom(int pixels, const LayoutScale& from) const {
        return Apply(pixels, int64_t{dpiY} * zoom, int64_t{from.dpiY} * from.zoom);
    }

    bool operator==(const LayoutScale& o) const { return dpiX == o.dpiX && dpiY == o.dpiY && zoom == o.zoom; }
    bool operator!=(const LayoutScale& o) const { return !(*this == o); }

private:
    // As MulDiv rounds: to nearest, halves away from zero. At 96 and 192 dpi
    // and 100 % every length is the handheld's, or exactly twice it.
    static int Apply(int value, int64_t numerator, int64_t divisor) {
        if (divisor <= 0) return value;
        const int64_t product = int64_t{value} * numerator;
        return static_cast<int>((product >= 0 ? product + divisor / 2 : product - divisor / 2) / divisor);
    }
};

}  // namespace tv
