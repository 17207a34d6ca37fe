// Every window as a keyboard and screen-reader user meets it: Tab from the
// first control round every control in reading order, and each control's
// name asked for as a screen reader asks.
#include <algorithm>
#include <map>
#include <set>

#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// What a user can work: visible, enabled, not a label, frame or picture; of
// a group of radio buttons the one ticked, which Tab reaches.
bool Interactive(HWND control) {
    const std::wstring cls = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const LONG kind = style & BS_TYPEMASK;
    if (!IsWindowVisible(control) || !IsWindowEnabled(control) || cls == L"Static") return false;
    if (cls == L"Button" && kind == BS_GROUPBOX) return false;
    if (cls == L"Button" && (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON))
        return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return true;
}

// Where `b` reads after `a`: further right on the same line, on a lower
// line, or in a column to the right.
bool ReadsAfter(HWND a, HWND b) {
    const RECT ra = Placed(a), rb = Placed(b);
    const bool sameLine = (rb.top + rb.bottom) / 2 < ra.bottom && (ra.top + ra.bottom) / 2 < rb.bottom;
    return sameLine ? rb.left > ra.left : rb.top >= (ra.top + ra.bottom) / 2 || rb.left >= ra.right;
}

// What a control shows as its value: the text of a field, list or date.
std::wstring ValueOf(HWND control) {
    const std::wstring cls = ClassOf(control);
    return cls == L"Edit" || cls == L"ComboBox" || cls == DATETIMEPICK_CLASSW ? Text(control) : L"";
}

// Names that must be as they are: the unlabelled controls and the windows.
const std::map<std::pair<std::wstring, int>, std::wstring> kNames = {
    {{L"main window", IDC_INPUT}, L"From"},
    {{L"main window", IDC_FROM_LIST}, L"From unit"},
    {{L"main window", IDC_RESULT}, L"To"},
    {{L"main window", IDC_TO_LIST}, L"To unit"},
    {{L"main window", IDC_KEY_BACK}, L"Backspace"},
    {{L"main window", IDC_KEY_CLEAR}, L"Clear"},
    {{L"main window", IDC_KEY_POINT}, L"Decimal point"},
    {{L"main window", IDC_KEY_MINUS}, L"Minus"},
    {{L"currency", 0}, L"Tallyvane Pro \x2013 Currency Converter"},
    {{L"currency", IDC_AMOUNT}, L"Amount"},
    {{L"currency", IDC_RATE_1}, L"CAD rate"},
    {{L"currency", IDC_CONVERTED_1 + 1}, L"HKD amount"},
    {{L"number base", IDC_BASE_INPUT}, L"Decimal number"},
    {{L"dialing codes", IDC_CODE_LIST}, L"International dialing codes"},
    {{L"clothing sizes", IDC_LIST_TOOL_CHOICE}, L"Size table"},
    {{L"circle", IDC_CALC_FORMULA}, L"Formula"},
    {{L"days between", IDC_DAYS_FROM}, L"From date"},
    {{L"days between", IDC_DAYS_TO}, L"To date"},
};

class AccessibilityTest : public ToolDialogTest {
protected:
    // Tab pressed in the focused control, handed on as the window's loop
    // does: the program's, or a modal dialog's.
    void Tab(HWND window) {
        MSG msg = {GetFocus(), WM_KEYDOWN, VK_TAB, 0};
        if (window == main) PostMessageW(msg.hwnd, msg.message, msg.wParam, 0);
        else if (!CallMsgFilterW(&msg, MSGF_DIALOGBOX)) IsDialogMessageW(window, &msg);
        Pump(loop);
    }

    void Check(const wchar_t* what, HWND window) {
        std::vector<HWND> controls, visited;
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (Interactive(c)) controls.push_back(c);
        // A tool says which it is; one with nothing to work (texts) has no Tab round.
        if (window != main) EXPECT_EQ(AccessibleName(window).rfind(L"Tallyvane Pro \x2013 ", 0), 0u) << what;
        if (controls.empty()) return;
        SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
        for (size_t i = 0; i <= controls.size() && (visited.empty() || GetFocus() != visited.front()); ++i) {
            visited.push_back(GetFocus());
            Tab(window);
        }
        EXPECT_EQ(GetFocus(), visited.front()) << what << ": Tab does not come round";
        for (size_t i = 1; i < visited.size(); ++i)
            EXPECT_TRUE(ReadsAfter(visited[i - 1], visited[i]))
                << what << ": " << GetDlgCtrlID(visited[i]) << " after " << GetDlgCtrlID(visited[i - 1]);
        std::set<std::wstring> names;
        for (HWND c : controls) {
            const std::wstring name = AccessibleName(c);
            EXPECT_NE(std::ranges::count(visited, c), 0) << what << ": Tab misses " << GetDlgCtrlID(c);
            EXPECT_TRUE(!name.empty() && name != ValueOf(c) && names.insert(name).second)
                << what << ": " << GetDlgCtrlID(c) << " is named \"" << name << "\"";
            if (auto known = kNames.find({what, GetDlgCtrlID(c)}); known != kNames.end())
                EXPECT_EQ(name, known->second) << what;
        }
        if (auto known = kNames.find({what, 0}); known != kNames.end()) EXPECT_EQ(AccessibleName(window), known->second);
    }
};

// Every window, the main one first: Tab comes round every control in reading
// order, and each has a name of its own that is not its value.
TEST_F(AccessibilityTest, TabReachesEveryControlInReadingOrderAndEachHasAName) {
    Check(L"main window", main);
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
        tool = maker.make();
        dialog = tool->CreateModeless(main);
        Check(maker.name, dialog);
        tool.reset();
        Pump(loop);
    }
}

}  // namespace
