#include "app/dialog_font.h"

#include "app/gradient.h"
#include "settings/registry_key.h"

namespace tv {

BYTE FontQuality() {
    RegistryKey key;
    const uint32_t value = key.Open(L"Software\\Microsoft\\Shell") == ERROR_SUCCESS ? key.QueryDword(L"ClearType", 0) : 0;
    // 6 is the handheld's CLEARTYPE_COMPAT_QUALITY (the desktop's natural ClearType).
    constexpr BYTE kClearTypeQuality = 6;
    return value == 1 ? kClearTypeQuality : DEFAULT_QUALITY;
}

// The program's one face at a size and weight.
HFONT CreateTahoma(int tenthsOfPoint, int weight, BYTE charSet, const LayoutScale& scale) {
    LOGFONTW lf = {};
    lf.lfHeight = FontHeight(tenthsOfPoint, scale.FontDpi());
    lf.lfWeight = weight;
    lf.lfCharSet = charSet;
    lf.lfQuality = FontQuality();
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    return CreateFontIndirectW(&lf);
}

bool DialogFont::Create(const LayoutScale& scale, int tenthsOfPoint, int weight) {
    font_.Reset(CreateTahoma(tenthsOfPoint, weight, ANSI_CHARSET, scale));
    return static_cast<bool>(font_);
}

void DialogFont::Remake(HWND window, const LayoutScale& scale) {
    OwnedFont before(font_.Release());
    if (!Create(scale)) {
        font_ = std::move(before);
        return;
    }
    ApplyToChildren(window, false);
}

void DialogFont::ApplyToChildren(HWND window, bool redraw) const {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), redraw);
    }
}

}  // namespace tv
