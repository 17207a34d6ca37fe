// The colours the program paints itself: the design's own, or, while the
// user has high contrast on, the system colour that stands for each.
#pragma once

#include <windows.h>

namespace tv {

// Whether high contrast is on: the system's setting, asked afresh each
// time, or what a test set (-1 asks the system again).
bool HighContrast();
void SetHighContrastForTesting(int on);

// `designed`, or in high contrast the system colour `system` (COLOR_...).
COLORREF PaletteColour(COLORREF designed, int system);

// After WM_SYSCOLORCHANGE or WM_SETTINGCHANGE: the window's controls hear of
// it too, and everything is painted again in the colours of now.
void RepaintForNewColours(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tv
