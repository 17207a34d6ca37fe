// Fonts the windows create for their controls: 8-point Tahoma, and the
// main window's bold tab font.
#pragma once

#include <windows.h>

namespace tv {

// Owns one font; deletes it when destroyed.
class DialogFont {
public:
    DialogFont() = default;
    ~DialogFont() { Reset(); }
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    // 8-point regular unless told otherwise; replaces any font held.
    bool Create(int tenthsOfPoint = 80, int weight = FW_NORMAL);
    void Reset();
    HFONT Handle() const { return font_; }

    // Sends the font, redraw on, to every child of `window` in z-order.
    void ApplyToChildren(HWND window) const;

private:
    HFONT font_ = nullptr;
};

// The font quality the user asked for: ClearType when the shell's value is 1.
BYTE FontQuality();

}  // namespace tv
