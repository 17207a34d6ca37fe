#include "app/palette.h"

namespace tv {
namespace {

int g_testHighContrast = -1;

}  // namespace

bool HighContrast() {
    if (g_testHighContrast >= 0) return g_testHighContrast != 0;
    HIGHCONTRASTW contrast = {sizeof contrast};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void SetHighContrastForTesting(int on) { g_testHighContrast = on; }

COLORREF PaletteColour(COLORREF designed, int system) { return HighContrast() ? GetSysColor(system) : designed; }

void RepaintForNewColours(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, message, wParam, lParam);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace tv
