// Driving a calculator dialog created modeless, through its real controls,
// and closing the message boxes it raises.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/tool_dialog.h"
#include "settings/app_settings.h"
#include "window_test_support.h"

namespace wintest {

// A message box as it showed, before the test closed it.
struct SeenMessageBox {
    std::wstring text;
    std::wstring caption;
    bool exclamationIcon = false;
    bool ownedByDialog = false;
};

// Runs `action`; every message box that `owner` raises meanwhile is read
// and closed with OK from inside its own modal loop.
std::vector<SeenMessageBox> CloseMessageBoxes(HWND owner, const std::function<void()>& action);

class CalculatorTest : public MainWindowTest {
protected:
    void TearDown() override {
        tool.reset();
        MainWindowTest::TearDown();
    }

    // Shows `d` modeless over no window, in front, and keeps it for the test.
    void Show(std::unique_ptr<tv::ToolDialog> d) {
        tool = std::move(d);
        dialog = tool->CreateModeless(nullptr);
        ASSERT_NE(dialog, nullptr);
        SetForegroundWindow(dialog);
        Pump(loop, 20);
    }

    HWND Field(int id) const { return GetDlgItem(dialog, id); }
    std::wstring TextOf(int id) const { return Text(Field(id)); }
    void Type(int id, const wchar_t* text) { SetWindowTextW(Field(id), text); }
    bool ReadOnly(int id) const { return (GetWindowLongW(Field(id), GWL_STYLE) & ES_READONLY) != 0; }
    int Selected(int listId) const { return static_cast<int>(SendMessageW(Field(listId), CB_GETCURSEL, 0, 0)); }

    // Picks a list entry as a tap does: the selection, then its notification.
    void Choose(int listId, int position) {
        SendMessageW(Field(listId), CB_SETCURSEL, position, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Field(listId)));
    }
    // Taps Calculate and returns the message boxes it raised, closed.
    std::vector<SeenMessageBox> Calculate() {
        return CloseMessageBoxes(dialog, [&] { SendMessageW(Field(IDC_CALC_BUTTON), BM_CLICK, 0, 0); });
    }
    // Taps Calculate where no message may follow.
    void CalculateQuietly() { EXPECT_TRUE(Calculate().empty()) << "a message box opened"; }

    tv::AppSettings settings;  // four decimals, no grouping
    std::unique_ptr<tv::ToolDialog> tool;
    HWND dialog = nullptr;
};

// The entries of a drop-down list, in order.
std::vector<std::wstring> ListEntries(HWND list);

// The face name of the font a control draws with.
std::wstring FontFace(HWND control);

// The width of an edit's whole text in its font, and the room its
// formatting rectangle gives it, in pixels.
int TextWidth(HWND edit);
int TextRoom(HWND edit);

// The dialog lies exactly over the main window: no control of it reaches
// past the handheld screen's width, which would have widened it.
void ExpectExactlyOver(HWND dialog, HWND main);

// The only message box of `boxes` is the calculators' "Invalid value.".
void ExpectInvalidValue(const std::vector<SeenMessageBox>& boxes);
// The only one is "The number is too large.".
void ExpectTooLarge(const std::vector<SeenMessageBox>& boxes);

}  // namespace wintest
