#include "app/gradient_fill.h"

namespace tv {

void FillGradient(HDC dc, int left, int top, int right, int bottom, Rgb from, Rgb to, bool vertical) {
    // The device context's own brush, recoloured for each band: a paint makes no brush.
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const COLORREF before = GetDCBrushColor(dc);
    for (const GradientBand& b : GradientBands(left, top, right, bottom, from, to, vertical)) {
        const RECT r = {b.left, b.top, b.right, b.bottom};
        SetDCBrushColor(dc, b.color);
        FillRect(dc, &r, brush);
    }
    SetDCBrushColor(dc, before);
}

}  // namespace tv
