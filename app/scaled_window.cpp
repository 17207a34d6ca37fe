#include "app/scaled_window.h"

#include <vector>

#include "app/palette.h"
#include "platform/shell_layer.h"

namespace tv {

void ScaledWindow::TakeScale(HWND window) {
    const int dpi = shell::WindowDpi(window);
    scale_ = LayoutScale{dpi, dpi, shell::Zoom()};
}

void ScaledWindow::ZoomChangedFor(HWND owner) {
    // Gathered first: a window that lays itself out may open or close others.
    struct Search {
        HWND owner;
        std::vector<HWND> owned;
    } search{owner, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            auto& s = *reinterpret_cast<Search*>(found);
            if (GetWindow(window, GW_OWNER) == s.owner) s.owned.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.owned) SendMessageW(window, kZoomChangedMessage, 0, 0);
}

bool ScaledWindow::HandleShared(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_DPICHANGED:
            // Anyone may send it: a dpi no screen has is not taken.
            if (LOWORD(wParam) < 48 || LOWORD(wParam) > 1920 || HIWORD(wParam) < 48 || HIWORD(wParam) > 1920) return true;
            scale_.dpiX = LOWORD(wParam);
            scale_.dpiY = HIWORD(wParam);
            Rescale(reinterpret_cast<const RECT*>(lParam));
            return true;
        case kZoomChangedMessage:
            scale_.zoom = shell::Zoom();
            Rescale(nullptr);
            ZoomChangedFor(window);
            return true;
        case WM_HELP:
            if (helpTopic_) shell::ShowHelp(helpTopic_);
            result = TRUE;
            return true;
        case WM_COMMAND:
            return keypad_.HandleCommand(wParam, lParam);
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            result = TRUE;
            return keypad_.HandleOwnerDraw(message, lParam);
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            OnNewColours();
            RepaintForNewColours(window, message, wParam, lParam);
            return false;
        default:
            return false;
    }
}

}  // namespace tv
