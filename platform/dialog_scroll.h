// A full-screen dialog on a screen lower than its template (a handheld held
// sideways) scrolls vertically instead of cutting its lower controls off.
#pragma once

#include <windows.h>

#include "platform/layout_scale.h"

namespace tv::shell {

// Gives `dialog` a vertical scroll bar when its controls reach below its
// client area, scrolling `margin` past the lowest; nothing otherwise.
void EnableDialogScroll(HWND dialog, int contentBottom, int margin);
// Takes the scroll bar away, its position forgotten: for a dialog about to
// place its controls anew.
void RemoveDialogScroll(HWND dialog);

// Scroll-bar and mouse-wheel messages of a scrolling dialog; false for a
// dialog that does not scroll.
bool ScrollDialog(HWND dialog, UINT message, WPARAM wParam, const LayoutScale& scale);

// Scrolls `control`, a child of `dialog`, into view.
void ScrollIntoView(HWND dialog, HWND control, const LayoutScale& scale);

}  // namespace tv::shell
