// What the main window and every tool dialog share: the dpi and zoom they
// are drawn at, their font, laying themselves out again when either changes,
// the keypad, help and a change of the system's colours.
#pragma once

#include <windows.h>

#include "app/dialog_font.h"
#include "app/keypad_panel.h"
#include "platform/layout_scale.h"

namespace tv {

// Sent to a window when the program's zoom has changed; it passes the
// message on to the windows it owns.
// (WM_APP + 40 and + 41 are the dialogs' own.)
constexpr UINT kZoomChangedMessage = WM_APP + 42;

class ScaledWindow {
public:
    virtual ~ScaledWindow() = default;
    ScaledWindow(const ScaledWindow&) = delete;
    ScaledWindow& operator=(const ScaledWindow&) = delete;

    // The dpi and zoom every length of the window is scaled by.
    const LayoutScale& Scale() const { return scale_; }

    // Tells every window `owner` owns that the program's zoom changed.
    static void ZoomChangedFor(HWND owner);

protected:
    explicit ScaledWindow(const wchar_t* helpTopic) : helpTopic_(helpTopic) {}

    // The window's dpi as the system tells it, at the program's zoom.
    void TakeScale(HWND window);
    // Makes the font again and lays the window out at Scale(), over
    // `suggested` when the system gave a rectangle for the new dpi.
    virtual void Rescale(const RECT* suggested) = 0;
    // The system's colours changed.
    virtual void OnNewColours() {}

    // The messages every window handles alike; true when handled, with the
    // window procedure's answer in `result`.
    bool HandleShared(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    DialogFont font_;
    KeypadPanel keypad_;

private:
    LayoutScale scale_;
    const wchar_t* helpTopic_;
};

}  // namespace tv
