#include "app/rule_bitmap.h"

#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {

void StretchedRules::Apply(HWND dialog) {
    // Replaced at 96 dpi too, so every rule shown is one of ours: Wine's
    // static never deletes the bitmap it loaded from the template.
    const LayoutScale scale = shell::ScreenScale();
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        HBITMAP wide = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_RULE),
                                                       IMAGE_BITMAP, scale.X(230), scale.Y(4), 0));
        if (!wide) return;
        bitmaps_.emplace_back(wide);
        // The control hands back the bitmap it showed before; nothing else holds it.
        OwnedBitmap(reinterpret_cast<HBITMAP>(
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(wide))));
    }
}

}  // namespace tv
