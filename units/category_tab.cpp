#include "units/category_tab.h"

#include <string>

#include "app/gradient_fill.h"
#include "app/palette.h"
#include "platform/owned_handle.h"
#include "platform/shell_layer.h"

namespace tv {
namespace {

constexpr Rgb kGradientLeft = MakeRgb(222, 224, 253);
constexpr Rgb kGradientRight = MakeRgb(154, 170, 245);

void PaintTab(HDC dc, const RECT& client, const wchar_t* name, const LayoutScale& s) {
    SIZE text = {};
    GetTextExtentPoint32W(dc, name, lstrlenW(name), &text);
    const int L = client.left, T = client.top + s.Y(2), R = client.right, H = text.cy + s.Y(8);
    const int tabLeft = L + s.X(20), tabRight = L + s.X(28) + text.cx;
    // The device context's own pen, recoloured: a paint makes no pen.
    const SelectedObject pen(dc, GetStockObject(DC_PEN));
    const COLORREF before = SetDCPenColor(dc, PaletteColour(RGB(255, 255, 255), COLOR_WINDOWTEXT));
    const POINT outline[] = {{L, T + H},       {tabLeft, T + H},  {tabLeft, T},
                             {tabRight, T},    {tabRight, T + H}, {R, T + H}};
    Polyline(dc, outline, 6);
    RECT box = {tabLeft, T, tabRight, T + H};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, name, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetDCPenColor(dc, PaletteColour(RGB(0, 0, 0), COLOR_WINDOWTEXT));
    MoveToEx(dc, tabRight, T, nullptr);
    LineTo(dc, tabRight, T + H);
    SetDCPenColor(dc, before);
}

}  // namespace

void PaintConverterBackground(HDC dc, const RECT& client, const ConverterBackground& what) {
    const LayoutScale& s = what.scale;
    FillGradient(dc, client.left, client.top, client.right, client.bottom, PaletteColour(kGradientLeft, COLOR_WINDOW),
                 PaletteColour(kGradientRight, COLOR_WINDOW), false);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const SelectedObject font(dc, what.tabFont);
    PaintTab(dc, client, what.categoryName, s);
}

LayoutRect FieldLabelBand(const ConverterLayout& layout, int top, const LayoutScale& scale) {
    return {0, top, layout.input.left, top + scale.Y(20)};
}

void PaintFieldLabel(HDC dc, const RECT& band, const std::wstring& text, const LayoutScale& s) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    // A face wider than the band starts the label at the window edge.
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT r = band;
    if (extent.cx < s.X(30)) r.left += s.X(2);
    DrawTextW(dc, text.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

RECT CategoryTabBand(const RECT& client, const ConverterLayout& layout) {
    return {client.left, client.top, client.right, client.top + layout.tabBandBottom};
}

}  // namespace tv
