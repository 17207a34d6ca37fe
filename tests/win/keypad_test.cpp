// The on-screen keypad typing into the main window's input field.
#include <gtest/gtest.h>

#include "window_test_support.h"

using wintest::MainWindowTest;
using wintest::Pump;

namespace {

class KeypadTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
        input = Item(IDC_INPUT);
    }
    void Type(const wchar_t* text, int caret = -1) {
        SetWindowTextW(input, text);
        const int at = caret < 0 ? GetWindowTextLengthW(input) : caret;
        SendMessageW(input, EM_SETSEL, at, at);
        SetFocus(input);
        SetForegroundWindow(main);
    }
    void Tap(int id) {
        SetForegroundWindow(main);
        Click(id);
        Pump(loop, 100);
    }
    std::wstring Input() const { return wintest::Text(input); }
    HWND input = nullptr;
};

}  // namespace

TEST_F(KeypadTest, KeysEditAtTheCaretOfTheLastFocusedEdit) {
    // The read-only result field takes the focus: keys go there and are refused.
    SetWindowTextW(input, L"4");
    SetFocus(Item(IDC_RESULT));
    Pump(loop);
    Tap(IDC_KEY_0 + 2);
    EXPECT_EQ(Input(), L"4");
    EXPECT_EQ(wintest::Text(Item(IDC_RESULT)), L"");

    Type(L"12");
    Tap(IDC_KEY_0 + 7);
    EXPECT_EQ(Input(), L"127");
    Tap(IDC_KEY_POINT);
    Tap(IDC_KEY_0 + 5);
    EXPECT_EQ(Input(), L"127.5");
    Type(L"15", 1);
    Tap(IDC_KEY_0);
    EXPECT_EQ(Input(), L"105");
    Type(L"123", 2);
    Tap(IDC_KEY_BACK);
    EXPECT_EQ(Input(), L"13");
    SendMessageW(Item(IDC_KEY_CLEAR), BM_CLICK, 0, 0);  // at once: no key events to wait for
    EXPECT_EQ(Input(), L"");
}

TEST_F(KeypadTest, MinusPrefixesTheTextUntilTheEditIsFull) {
    Type(L"5");
    Tap(IDC_KEY_MINUS);
    Tap(IDC_KEY_MINUS);
    EXPECT_EQ(Input(), L"--5");
    DWORD start = 0, end = 0;
    SendMessageW(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(GetFocus(), input);

    const std::wstring full(48, L'9');
    Type(full.c_str());
    Tap(IDC_KEY_0 + 1);
    Tap(IDC_KEY_MINUS);  // no room for the sign either: a beep, no change
    EXPECT_EQ(Input(), full);
}
