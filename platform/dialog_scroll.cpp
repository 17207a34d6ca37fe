#include "platform/dialog_scroll.h"

#include <algorithm>

#include "platform/shell_layer.h"

namespace tv::shell {
namespace {

bool Scrolls(HWND dialog) { return (GetWindowLongW(dialog, GWL_STYLE) & WS_VSCROLL) != 0; }

void ScrollTo(HWND dialog, int position) {
    SCROLLINFO info = {sizeof info, SIF_ALL};
    if (!GetScrollInfo(dialog, SB_VERT, &info)) return;
    const int last = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
    position = std::clamp(position, 0, last);
    if (position == info.nPos) return;
    SetScrollPos(dialog, SB_VERT, position, TRUE);
    ScrollWindowEx(dialog, 0, info.nPos - position, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

}  // namespace

void EnableDialogScroll(HWND dialog, int contentBottom, int margin) {
    RECT client;
    GetClientRect(dialog, &client);
    // Controls laid out to fill the client area reach its edge, not past it.
    if (contentBottom <= client.bottom) return;
    SetWindowLongW(dialog, GWL_STYLE, GetWindowLongW(dialog, GWL_STYLE) | WS_VSCROLL);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    GetClientRect(dialog, &client);
    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS};
    info.nMax = contentBottom + margin - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    SetScrollInfo(dialog, SB_VERT, &info, TRUE);
}

void RemoveDialogScroll(HWND dialog) {
    if (!Scrolls(dialog)) return;
    SetScrollPos(dialog, SB_VERT, 0, FALSE);
    SetWindowLongW(dialog, GWL_STYLE, GetWindowLongW(dialog, GWL_STYLE) & ~WS_VSCROLL);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool ScrollDialog(HWND dialog, UINT message, WPARAM wParam, const LayoutScale& scale) {
    SCROLLINFO info = {sizeof info, SIF_ALL};
    if (!Scrolls(dialog) || !GetScrollInfo(dialog, SB_VERT, &info)) return false;
    const int line = scale.Y(16);
    const int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    if (message == WM_MOUSEWHEEL) {
        position -= GET_WHEEL_DELTA_WPARAM(wParam) * 3 * line / WHEEL_DELTA;
    } else {
        switch (LOWORD(wParam)) {
            case SB_LINEUP: position -= line; break;
            case SB_LINEDOWN: position += line; break;
            case SB_PAGEUP: position -= page; break;
            case SB_PAGEDOWN: position += page; break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: position = info.nTrackPos; break;
            case SB_TOP: position = 0; break;
            case SB_BOTTOM: position = info.nMax; break;
            default: return true;
        }
    }
    ScrollTo(dialog, position);
    return true;
}

void ScrollIntoView(HWND dialog, HWND control, const LayoutScale& scale) {
    if (!control || !Scrolls(dialog) || GetParent(control) != dialog) return;
    RECT r, client;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    GetClientRect(dialog, &client);
    const int margin = scale.Y(2);
    const int position = GetScrollPos(dialog, SB_VERT);
    if (r.top < margin) {
        ScrollTo(dialog, position + r.top - margin);
    } else if (r.bottom + margin > client.bottom) {
        ScrollTo(dialog, position + r.bottom + margin - client.bottom);
    }
}

}  // namespace tv::shell
