// Closing a tool while its window still has work queued: no message its
// destruction sends reaches the object, whose derived parts are gone by then.
#include <windows.h>

#include <vector>

#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

HWND g_dying = nullptr;
int g_reached = 0, g_seen = 0;

// Counts the messages sent to the dying dialog, and those that still find
// their object attached.
LRESULT CALLBACK WatchSent(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_dying) {
        ++g_seen;
        if (GetWindowLongPtrW(sent->hwnd, DWLP_USER)) ++g_reached;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(ToolDialogTest, EveryToolClosesWithPaintAndNotificationsPendingAndNothingReachesItsObject) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    const std::vector<ToolMaker> tools = EveryTool(home->record, rates, tv::shell::ProgramFolder());
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchSent, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    for (const ToolMaker& maker : tools) {
        tool = maker.make();
        dialog = tool->CreateModeless(main);
        ASSERT_NE(dialog, nullptr) << maker.name;
        // Everything repainted and notified, none of it handled yet.
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(child));
        }
        g_dying = dialog;
        g_seen = g_reached = 0;
        tool.reset();
        g_dying = nullptr;
        EXPECT_FALSE(IsWindow(dialog)) << maker.name;
        EXPECT_GT(g_seen, 0) << maker.name;  // WM_DESTROY at least
        EXPECT_EQ(g_reached, 0) << maker.name;
        Pump(loop);  // what was queued finds no window
    }
    UnhookWindowsHookEx(hook);
    dialog = nullptr;
}
