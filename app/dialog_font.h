// Fonts the windows create for their controls: 8-point Tahoma, and the
// main window's bold tab font.
#pragma once

#include <windows.h>

#include "platform/layout_scale.h"
#include "platform/owned_handle.h"

namespace tv {

// Owns one font; deletes it when destroyed.
class DialogFont {
public:
    // 8-point regular unless told otherwise, at `scale`; replaces any font held.
    bool Create(const LayoutScale& scale, int tenthsOfPoint = 80, int weight = FW_NORMAL);
    void Reset() { font_.Reset(); }
    HFONT Handle() const { return font_.Get(); }

    // Sends the font to every child of `window` in z-order, each redrawn
    // unless the caller repaints them all.
    void ApplyToChildren(HWND window, bool redraw = true) const;
    // Gives every child of `window` a new 8-point font at `scale`, for the
    // caller to repaint; the font before goes once no child shows it. The
    // old font stays when none can be made.
    void Remake(HWND window, const LayoutScale& scale);

private:
    OwnedFont font_;
};

// A new Tahoma font (the caller owns it) at `scale`.
HFONT CreateTahoma(int tenthsOfPoint, int weight, BYTE charSet, const LayoutScale& scale);

// The font quality the user asked for: ClearType when the shell's value is 1.
BYTE FontQuality();

}  // namespace tv
