#include "app/gradient.h"

namespace tv {

std::vector<GradientBand> GradientBands(int left, int top, int right, int bottom, Rgb from, Rgb to,
                                        bool vertical) {
    constexpr int kBands = 64;
    std::vector<GradientBand> bands;
    for (int i = 0; i < kBands; ++i) {
        Rgb color = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const unsigned f = (from >> shift) & 0xFF;
            const unsigned t = (to >> shift) & 0xFF;
            color |= (((f * (kBands - i) + t * i) >> 6) & 0xFF) << shift;
        }
        GradientBand b{left, top, right, bottom, color};
        if (vertical) {
            b.bottom = bottom - ((bottom - top) * i / kBands);
            b.top = bottom - ((bottom - top) * (i + 1) / kBands);
            if (b.top == b.bottom) continue;
        } else {
            b.left = left + ((right - left) * i / kBands);
            b.right = left + ((right - left) * (i + 1) / kBands);
            if (b.left == b.right) continue;
        }
        bands.push_back(b);
    }
    return bands;
}

int FontHeight(int tenthsOfPoint, int logPixelsY) {
    return -static_cast<int>(tenthsOfPoint * logPixelsY / 720.0 + 0.5);
}

}  // namespace tv
