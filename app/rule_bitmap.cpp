#include "app/rule_bitmap.h"

#include <algorithm>

#include "app/palette.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

// In high contrast the rule is a bar in the button text's colour.
HBITMAP SolidRule(int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        const RECT all = {0, 0, width, height};
        SetDCBrushColor(memory, GetSysColor(COLOR_BTNTEXT));
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        SelectObject(memory, old);
    }
    if (memory) DeleteDC(memory);
    return bitmap;
}

}  // namespace

void StretchedRules::Apply(HWND dialog, const LayoutScale& scale) {
    // Replaced at 96 dpi too, so every rule shown is one of ours: Wine's
    // static never deletes the bitmap it loaded from the template. Applied
    // again after a colour change, the rules it gave before go with `before`.
    std::vector<OwnedBitmap> before = std::move(bitmaps_);
    bitmaps_.clear();
    const int width = scale.X(230), height = scale.Y(4);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        HBITMAP wide = HighContrast() ? SolidRule(width, height)
                                      : static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                                        MAKEINTRESOURCEW(IDB_RULE), IMAGE_BITMAP,
                                                                        width, height, 0));
        if (!wide) return;
        bitmaps_.emplace_back(wide);
        // The control hands back the bitmap it showed before: the template's,
        // which nothing else holds, or one of `before`.
        HBITMAP shown = reinterpret_cast<HBITMAP>(
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(wide)));
        if (shown && std::none_of(before.begin(), before.end(), [&](const OwnedBitmap& b) { return b.Get() == shown; }))
            DeleteObject(shown);
    }
}

}  // namespace tv
