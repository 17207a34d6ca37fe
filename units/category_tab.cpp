#include "units/category_tab.h"

#include <string>
#include <utility>

#include "app/gradient_fill.h"
#include "app/palette.h"
#include "app/window_text.h"
#include "platform/owned_handle.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

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
    {
        const SelectedObject font(dc, what.tabFont);
        PaintTab(dc, client, what.categoryName, s);
    }
    const SelectedObject font(dc, what.labelFont);
    // A face wider than the band starts the labels at the window edge.
    constexpr UINT kLabelFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    for (const auto& [id, top] : {std::pair{IDS_FROM, what.layout.input.top}, {IDS_TO, what.layout.toLabelY}}) {
        const std::wstring label = StringResource(id);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &extent);
        const int left = extent.cx < s.X(30) ? client.left + s.X(2) : client.left;
        RECT band = {left, top, what.layout.input.left, top + s.Y(20)};
        DrawTextW(dc, label.c_str(), -1, &band, kLabelFormat);
    }
}

RECT CategoryTabBand(const RECT& client, const ConverterLayout& layout) {
    return {client.left, client.top, client.right, client.top + layout.tabBandBottom};
}

}  // namespace tv
