// Fonts the windows create for their controls: 8-point Tahoma, and the
// main window's bold tab font.
#pragma once

#include <windows.h>

#include "platform/owned_handle.h"

namespace tv {

// Owns one font; deletes it when destroyed.
class DialogFont {
public:
    // 8-point regular unless told otherwise; replaces any font held.
    bool Create(int tenthsOfPoint = 80, int weight = FW_NORMAL);
    void Reset() { font_.Reset(); }
    HFONT Handle() const { return font_.Get(); }

    // Sends the font, redraw on, to every child of `window` in z-order.
    void ApplyToChildren(HWND window) const;

private:
    OwnedFont font_;
};

// A new Tahoma font (the caller owns it) at this screen's dpi.
HFONT CreateTahoma(int tenthsOfPoint, int weight, BYTE charSet);

// The font quality the user asked for: ClearType when the shell's value is 1.
BYTE FontQuality();

}  // namespace tv
