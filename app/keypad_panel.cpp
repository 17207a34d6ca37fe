#include "app/keypad_panel.h"

#include <utility>
#include <vector>

#include "app/gradient_fill.h"
#include "app/palette.h"
#include "app/window_text.h"
#include "platform/accessible_name.h"
#include "resources/resource_ids.h"

namespace tv {

void KeypadButton::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const int saved = SaveDC(dc);
    RECT r = item.rcItem;
    --r.right;
    --r.bottom;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    // In high contrast: the button face, framed in the button text's colour.
    const COLORREF light = PaletteColour(kLightEdge, COLOR_BTNTEXT), dark = PaletteColour(kDarkEdge, COLOR_BTNTEXT);
    // The device context's own pen, recoloured: a paint makes no pen (RestoreDC puts back the colour).
    SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, pressed ? dark : light);
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.right, r.top);
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.left, r.bottom);
    SetDCPenColor(dc, pressed ? light : dark);
    MoveToEx(dc, r.right, r.top, nullptr);
    LineTo(dc, r.right, r.bottom);
    MoveToEx(dc, r.left, r.bottom, nullptr);
    LineTo(dc, r.right + 1, r.bottom);

    InflateRect(&r, -1, -1);
    ++r.right;
    ++r.bottom;
    FillGradient(dc, r.left, r.top, r.right, r.bottom, PaletteColour(kGradientBottom, COLOR_BTNFACE),
                 PaletteColour(kGradientTop, COLOR_BTNFACE), true);

    wchar_t text[261] = {};
    GetWindowTextW(button_, text, 261);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                                 : HighContrast()                 ? COLOR_BTNTEXT
                                                                  : COLOR_WINDOWTEXT));
    RECT whole = item.rcItem;
    DrawTextW(dc, text, -1, &whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Keys are tab stops: one reached from the keyboard must show it.
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }

    RestoreDC(dc, saved);
}

void KeypadButton::Measure(MEASUREITEMSTRUCT& item) const {
    RECT r = {};
    GetClientRect(button_, &r);
    item.itemWidth = r.right - r.left;
    item.itemHeight = r.bottom - r.top;
}

void KeypadPanel::Attach(HWND window) {
    window_ = window;
    buttons_.clear();
    std::vector<int> ids = {IDC_KEY_BACK, IDC_KEY_CLEAR, IDC_CONVERT_BUTTON, IDC_KEY_POINT, IDC_KEY_MINUS};
    for (int id = IDC_KEY_0; id <= IDC_KEY_9; ++id) ids.push_back(id);
    for (int id = IDC_KEY_A; id <= IDC_KEY_F; ++id) ids.push_back(id);
    for (int id : ids) {
        if (HWND button = GetDlgItem(window, id)) buttons_.emplace_back(button);
    }
    // The keys whose caption is a sign are read by what they do.
    for (const auto& [id, name] : {std::pair{IDC_KEY_BACK, IDS_NAME_BACKSPACE}, {IDC_KEY_CLEAR, IDS_NAME_CLEAR},
                                  {IDC_KEY_POINT, IDS_NAME_DECIMAL_POINT}, {IDC_KEY_MINUS, IDS_NAME_MINUS}})
        SetAccessibleName(GetDlgItem(window, id), StringResource(name));
}

void KeypadPanel::Detach() {
    buttons_.clear();
    window_ = nullptr;
    target_ = nullptr;
}

const KeypadButton* KeypadPanel::Find(HWND button) const {
    for (const KeypadButton& b : buttons_) {
        if (b.Handle() == button) return &b;
    }
    return nullptr;
}

bool KeypadPanel::HandleOwnerDraw(UINT message, LPARAM lParam) const {
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const KeypadButton* b = Find(item.hwndItem);
        if (b) b->Draw(item);
        return b != nullptr;
    }
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const KeypadButton* b = window_ ? Find(GetDlgItem(window_, static_cast<int>(item.CtlID))) : nullptr;
        if (b) b->Measure(item);
        return b != nullptr;
    }
    return false;
}

void KeypadPanel::TypeChar(wchar_t c) {
    if (!target_) return;
    SetFocus(target_);
    // Straight to the field, which types it with its own rules (limit,
    // selection, read-only): whichever window is in front, whatever the
    // keyboard layout. Backspace deletes as the key does.
    SendMessageW(target_, WM_CHAR, c, 1);
}

void KeypadPanel::PrefixMinus() {
    if (!target_) return;
    const int length = GetWindowTextLengthW(target_);
    const LRESULT limit = SendMessageW(target_, EM_GETLIMITTEXT, 0, 0);
    if (length + 1 > limit) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    std::vector<wchar_t> text(static_cast<size_t>(length) + 2, L'\0');
    text[0] = L'-';
    GetWindowTextW(target_, text.data() + 1, length + 1);
    SetWindowTextW(target_, text.data());
    SendMessageW(target_, EM_SETSEL, length + 1, length + 1);
    SendMessageW(target_, EM_SCROLLCARET, 0, 0);
    SetFocus(target_);
}

bool KeypadPanel::HandleCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    const bool fromKey = Find(reinterpret_cast<HWND>(lParam)) != nullptr;
    if (fromKey) {
        if (id == IDC_KEY_CLEAR) {
            if (target_) {
                SetWindowTextW(target_, L"");
                SetFocus(target_);
            }
            return true;
        }
        if (id >= IDC_KEY_0 && id <= IDC_KEY_9) {
            TypeChar(static_cast<wchar_t>(L'0' + id - IDC_KEY_0));
            return true;
        }
        if (id >= IDC_KEY_A && id <= IDC_KEY_F) {
            TypeChar(static_cast<wchar_t>(L'A' + id - IDC_KEY_A));
            return true;
        }
        if (id == IDC_KEY_BACK) {
            TypeChar(L'\b');
            return true;
        }
        if (id == IDC_KEY_POINT) {
            TypeChar(L'.');
            return true;
        }
        if (id == IDC_KEY_MINUS) {
            PrefixMinus();
            return true;
        }
    }
    if (code == EN_SETFOCUS && lParam) {
        target_ = reinterpret_cast<HWND>(lParam);
        return false;  // the window may track the focus too
    }
    return false;
}

}  // namespace tv
