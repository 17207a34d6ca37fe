// Painted again with nothing changed, a window draws with the objects it
// already holds: a repaint that makes brushes, pens or fonts churns the
// system's object table. A tool closed with work still queued sends nothing
// to its object, whose derived parts are gone by then.
#include "gdi_creation_count.h"
#include "tool_dialog_test_support.h"

namespace wintest {
namespace {

// Objects made by two full repaints of `window`, after a first one that may
// fill what the window keeps for later.
long MadeByRepaints(tv::MessageLoop& loop, HWND window) {
    long before = 0;
    for (int i = 0; i < 3; ++i) {
        if (i == 1) before = GdiObjectsCreated();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        loop.RunPending();
    }
    return GdiObjectsCreated() - before;
}

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

using PaintChurnTest = ToolDialogTest;

// The main window with a key held down, then each tool; a fresh tool makes
// its fonts and brushes, so the counter sees the program's code.
TEST_F(PaintChurnTest, EveryWindowRepaintsWithoutMakingObjectsAndAToolClosesWithWorkQueuedUnreached) {
    ASSERT_TRUE(CountGdiCreations());
    Command(ID_CATEGORY_FIRST + 5);
    SendMessageW(Item(IDC_KEY_0 + 7), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(MadeByRepaints(loop, main), 0);
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    const long start = GdiObjectsCreated();
    for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
        tool = maker.make();
        dialog = tool->CreateModeless(main);
        ASSERT_NE(dialog, nullptr) << maker.name;
        EXPECT_EQ(MadeByRepaints(loop, dialog), 0) << maker.name;
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), CBN_SELCHANGE), LPARAM(child));
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchSent, nullptr, GetCurrentThreadId());
        g_dying = dialog;
        g_seen = g_reached = 0;
        tool.reset();
        UnhookWindowsHookEx(hook);
        EXPECT_GT(g_seen, 0) << maker.name;  // WM_DESTROY at least
        EXPECT_EQ(g_reached, 0) << maker.name;
        Pump(loop);  // what was queued finds no window
    }
    dialog = nullptr;
    EXPECT_GT(GdiObjectsCreated(), start);
}

}  // namespace
}  // namespace wintest
