// The main window's background: its gradient and the tab naming the
// category over the fields; and the "From:" and "To:" labels beside them.
#pragma once

#include <windows.h>

#include <string>

#include "units/converter_layout.h"

namespace tv {

struct ConverterBackground {
    const ConverterLayout& layout;
    const wchar_t* categoryName;
    HFONT tabFont;
    const LayoutScale& scale;
};

void PaintConverterBackground(HDC dc, const RECT& client, const ConverterBackground& what);

// Where a label control lies: from the window's left edge to the field, the
// field's height, at `top`.
LayoutRect FieldLabelBand(const ConverterLayout& layout, int top, const LayoutScale& scale);
// A label's text in its band, over what lies beneath; the font selected.
void PaintFieldLabel(HDC dc, const RECT& band, const std::wstring& text, const LayoutScale& scale);

// The part of the client area the tab takes: repainted when the category changes.
RECT CategoryTabBand(const RECT& client, const ConverterLayout& layout);

}  // namespace tv
