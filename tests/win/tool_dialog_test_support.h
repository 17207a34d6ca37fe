// Driving a tool dialog over the real main window, opened from its menu or
// created modeless, through its controls, and reading and closing the
// message boxes it raises.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/tool_dialog.h"
#include "settings/app_settings.h"
#include "window_test_support.h"

namespace wintest {

// The calculators' two messages as CloseMessageBoxes tells them.
inline const std::wstring kInvalidValue = L"Tallyvane Pro: Invalid value. (exclamation)\n";
inline const std::wstring kTooLarge = L"Tallyvane Pro: The number is too large. (exclamation)\n";

// One tool dialog of the program, made afresh by `make`, named for messages.
struct ToolMaker {
    const wchar_t* name;
    std::function<std::unique_ptr<tv::ToolDialog>()> make;
};
// Every tool the menus open, over `settings`, the rate file `rates` and the
// data files in `dataFolder` (ending in a backslash).
std::vector<ToolMaker> EveryTool(tv::AppSettings& settings, const std::wstring& rates, const std::wstring& dataFolder);

std::vector<std::wstring> ListEntries(HWND list);
// Items of a menu-bar button's submenu as it shows them once prepared for
// opening: "name; ", with " (grey)" and " (ticked)" where they are.
std::wstring MenuItems(HWND window, int button, std::initializer_list<int> ids);

class ToolDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
    }
    void TearDown() override {
        tool.reset();
        MainWindowTest::TearDown();
    }

    HWND Field(int id) const { return GetDlgItem(dialog, id); }
    std::wstring TextOf(int id) const { return Text(Field(id)); }
    void Type(int id, const wchar_t* text) { SetWindowTextW(Field(id), text); }
    LRESULT Limit(int id) const { return SendMessageW(Field(id), EM_GETLIMITTEXT, 0, 0); }
    // The fields' texts joined by " | ", a read-only field's in brackets.
    std::wstring Fields(const std::vector<int>& ids) const {
        std::wstring all;
        for (int id : ids)
            all += (GetWindowLongW(Field(id), GWL_STYLE) & ES_READONLY ? L"[" + TextOf(id) + L"]" : TextOf(id)) + L" | ";
        return all.substr(0, all.size() - 3);
    }
    // Picks a list entry as a tap does: the selection, then its notification.
    void Choose(int listId, int position) {
        SendMessageW(Field(listId), CB_SETCURSEL, position, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Field(listId)));
    }
    void Press(int id) {
        SendMessageW(Field(id), BM_CLICK, 0, 0);
        Pump(loop);
    }
    // Taps `button` and tells the message boxes it raised, closed.
    std::wstring Messages(int button = IDC_CALC_BUTTON) {
        return CloseMessageBoxes(dialog, [&] { SendMessageW(Field(button), BM_CLICK, 0, 0); });
    }

    std::unique_ptr<tv::ToolDialog> tool;
    HWND dialog = nullptr;
};

}  // namespace wintest
