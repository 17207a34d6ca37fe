// The main window's background: its gradient, the tab naming the category
// over the fields, and the "From:" and "To:" labels beside them.
#pragma once

#include <windows.h>

#include "units/converter_layout.h"

namespace tv {

struct ConverterBackground {
    const ConverterLayout& layout;
    const wchar_t* categoryName;
    HFONT tabFont;
    HFONT labelFont;
    const LayoutScale& scale;
};

void PaintConverterBackground(HDC dc, const RECT& client, const ConverterBackground& what);

// The part of the client area the tab takes: repainted when the category changes.
RECT CategoryTabBand(const RECT& client, const ConverterLayout& layout);

}  // namespace tv
