#include "app/gradient_fill.h"

#include "platform/owned_handle.h"

namespace tv {

void FillGradient(HDC dc, int left, int top, int right, int bottom, Rgb from, Rgb to, bool vertical) {
    for (const GradientBand& b : GradientBands(left, top, right, bottom, from, to, vertical)) {
        const RECT r = {b.left, b.top, b.right, b.bottom};
        if (const OwnedBrush brush(CreateSolidBrush(b.color)); brush) FillRect(dc, &r, brush.Get());
    }
}

}  // namespace tv
