// The on-screen keypad: owner-drawn keys that type into the edit control
// that last had the focus.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/gradient.h"

namespace tv {

// The look of a keypad key: bevelled edges over a vertical gradient.
class KeypadButton {
public:
    static constexpr Rgb kLightEdge = 0xF4EEF0;
    static constexpr Rgb kDarkEdge = 0xA07082;
    static constexpr Rgb kGradientTop = 0xEEE4E8;
    static constexpr Rgb kGradientBottom = 0xBCB2C8;

    explicit KeypadButton(HWND button) : button_(button) {}
    HWND Handle() const { return button_; }
    void Draw(const DRAWITEMSTRUCT& item) const;
    void Measure(MEASUREITEMSTRUCT& item) const;

private:
    HWND button_;
};

class KeypadPanel {
public:
    // Takes over the window's keypad keys and its Convert or Calculate button.
    void Attach(HWND window);
    void Detach();

    // Handles a key's command or an edit's EN_SETFOCUS; false for anything else.
    bool HandleCommand(WPARAM wParam, LPARAM lParam);
    // Draws or measures one of the panel's buttons (WM_DRAWITEM,
    // WM_MEASUREITEM); false for other messages and other items.
    bool HandleOwnerDraw(UINT message, LPARAM lParam) const;

    HWND Target() const { return target_; }
    void SetTarget(HWND edit) { target_ = edit; }

private:
    const KeypadButton* Find(HWND button) const;
    void TypeChar(wchar_t c);
    void PrefixMinus();

    HWND window_ = nullptr;
    HWND target_ = nullptr;
    std::vector<KeypadButton> buttons_;
};

}  // namespace tv
