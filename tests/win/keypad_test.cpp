// The on-screen keypad typing into the main window's input field.
#include <gtest/gtest.h>

#include <vector>

#include "app/keypad_panel.h"

#include "window_test_support.h"

using KeypadTest = wintest::MainWindowTest;

// Keys edit at the caret of the edit focused last, which the read-only result
// can be: it refuses them. Minus prefixes a sign each time, the caret after
// the text, until the edit is full; Clear empties it.
TEST_F(KeypadTest, KeysEditAtTheCaretOfTheLastFocusedEdit) {
    Open();
    HWND input = Item(IDC_INPUT);
    // Taps `key`, the input first holding `text` with the caret at `caret`;
    // the input's text after. A key's events reach the focused edit only in
    // the foreground.
    const auto tap = [&](int key, const wchar_t* text = nullptr, int caret = 99) {
        if (text) {
            SetWindowTextW(input, text);
            SendMessageW(input, EM_SETSEL, caret, caret);
            SetFocus(input);
        }
        SetForegroundWindow(main);
        Click(key);
        wintest::Pump(loop, 100);
        return wintest::Text(input);
    };
    SetWindowTextW(input, L"4");
    SetFocus(Item(IDC_RESULT));
    EXPECT_EQ(tap(IDC_KEY_0 + 2), L"4");
    EXPECT_EQ(ItemText(IDC_RESULT), L"");

    EXPECT_EQ(tap(IDC_KEY_0 + 7, L"12"), L"127");
    EXPECT_EQ(tap(IDC_KEY_POINT), L"127.");
    EXPECT_EQ(tap(IDC_KEY_0, L"15", 1), L"105");
    EXPECT_EQ(tap(IDC_KEY_BACK, L"123", 2), L"13");
    EXPECT_EQ(tap(IDC_KEY_MINUS, L"5"), L"-5");
    tap(IDC_KEY_MINUS);
    EXPECT_EQ(tap(IDC_KEY_0 + 1), L"--51");

    const std::wstring full(48, L'9');
    tap(IDC_KEY_0 + 1, full.c_str());
    EXPECT_EQ(tap(IDC_KEY_MINUS), full);  // no room for the sign either: a beep, no change
    SendMessageW(Item(IDC_KEY_CLEAR), BM_CLICK, 0, 0);  // at once: no key events to wait for
    EXPECT_EQ(wintest::Text(input), L"");
}

// A key drawn with the focus differs from the same key without it, inside
// its bevel; pressed, its edges swap.
TEST_F(KeypadTest, AFocusedKeyShowsItsFocus) {
    Open();
    HWND key = Item(IDC_KEY_0 + 5);
    RECT r;
    GetClientRect(key, &r);
    const auto pixels = [&](UINT state) {
        HDC screen = GetDC(key);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
        HGDIOBJ old = SelectObject(dc, bitmap);
        DRAWITEMSTRUCT item = {ODT_BUTTON, IDC_KEY_0 + 5, 0, ODA_DRAWENTIRE, state, key, dc, r, 0};
        tv::KeypadButton(key).Draw(item);
        std::vector<COLORREF> all;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) all.push_back(GetPixel(dc, x, y));
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(key, screen);
        return all;
    };
    const auto plain = pixels(0), focused = pixels(ODS_FOCUS), pressed = pixels(ODS_SELECTED);
    EXPECT_NE(plain, focused);
    EXPECT_EQ(plain, pixels(ODS_FOCUS | ODS_NOFOCUSRECT));
    EXPECT_NE(plain[0], pressed[0]);  // the top-left edge goes dark
}
