#include "app/gradient_fill.h"

namespace tv {

void FillGradient(HDC dc, int left, int top, int right, int bottom, Rgb from, Rgb to, bool vertical) {
    for (const GradientBand& b : GradientBands(left, top, right, bottom, from, to, vertical)) {
        const RECT r = {b.left, b.top, b.right, b.bottom};
        HBRUSH brush = CreateSolidBrush(b.color);
        if (!brush) continue;
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
}

}  // namespace tv
