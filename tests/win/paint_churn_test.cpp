// What a window costs and leaves behind. Painted again with nothing changed,
// it draws with the objects it already holds: a repaint that makes brushes,
// pens or fonts churns the system's object table and slows every paint. A
// tool closed with work still queued sends nothing to its object, whose
// derived parts are gone by then.
#include "gdi_creation_count.h"
#include "tool_dialog_test_support.h"
#include "tools/calculator_dialog.h"

namespace wintest {
namespace {

// Objects made by `repaints` full repaints of `window`, after a first one
// that may fill what the window keeps for later.
long MadeByRepaints(tv::MessageLoop& loop, HWND window, int repaints) {
    constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
    loop.RunPending();
    const long before = GdiObjectsCreated();
    for (int i = 0; i < repaints; ++i) {
        RedrawWindow(window, nullptr, nullptr, kFullRepaint);
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

class PaintChurnTest : public ToolDialogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(CountGdiCreations());
        ToolDialogTest::SetUp();
    }
};

TEST_F(PaintChurnTest, TheCounterSeesWhatTheProgramMakes) {
    const long before = GdiObjectsCreated();
    DeleteObject(CreateSolidBrush(RGB(1, 2, 3)));
    DeleteObject(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    EXPECT_EQ(GdiObjectsCreated() - before, 2);
    // A fresh tool makes its fonts and brushes: the counter sees window code too.
    tool = std::make_unique<tv::CalculatorDialog>(tv::kCircleCalculator, home->record);
    ASSERT_NE(tool->CreateModeless(main), nullptr);
    EXPECT_GT(GdiObjectsCreated() - before, 2);
}

TEST_F(PaintChurnTest, TheMainWindowRepaintsWithoutMakingObjects) {
    EXPECT_EQ(MadeByRepaints(loop, main, 5), 0);
    // A key held down draws its other face; another category its own tab.
    SendMessageW(Item(IDC_KEY_0 + 7), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(MadeByRepaints(loop, main, 2), 0);
    SendMessageW(Item(IDC_KEY_0 + 7), BM_SETSTATE, FALSE, 0);
    Command(ID_CATEGORY_FIRST + 5);
    EXPECT_EQ(MadeByRepaints(loop, main, 2), 0);
}

// Closed with every control's notification queued and everything to repaint,
// a tool's window gets WM_DESTROY and the rest without its object.
TEST_F(PaintChurnTest, EveryToolRepaintsWithoutMakingObjectsAndClosesWithWorkQueuedUnreached) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
        tool = maker.make();
        dialog = tool->CreateModeless(main);
        ASSERT_NE(dialog, nullptr) << maker.name;
        EXPECT_EQ(MadeByRepaints(loop, dialog, 3), 0) << maker.name;
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), CBN_SELCHANGE), reinterpret_cast<LPARAM>(child));
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchSent, nullptr, GetCurrentThreadId());
        g_dying = dialog;
        g_seen = g_reached = 0;
        tool.reset();
        UnhookWindowsHookEx(hook);
        EXPECT_FALSE(IsWindow(dialog)) << maker.name;
        EXPECT_GT(g_seen, 0) << maker.name;  // WM_DESTROY at least
        EXPECT_EQ(g_reached, 0) << maker.name;
        Pump(loop);  // what was queued finds no window
    }
    dialog = nullptr;
}

}  // namespace
}  // namespace wintest
