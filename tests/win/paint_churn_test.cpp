// A window painted again, with nothing changed, draws with the objects it
// already holds: a repaint that makes brushes, pens or fonts churns the
// system's object table and slows every paint.
#include "gdi_creation_count.h"
#include "tool_dialog_test_support.h"
#include "tools/calculator_dialog.h"

namespace wintest {
namespace {

constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// Objects made by `repaints` full repaints of `window`, after a first one
// that may fill what the window keeps for later.
long MadeByRepaints(tv::MessageLoop& loop, HWND window, int repaints) {
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
    loop.RunPending();
    const long before = GdiObjectsCreated();
    for (int i = 0; i < repaints; ++i) {
        RedrawWindow(window, nullptr, nullptr, kFullRepaint);
        loop.RunPending();
    }
    return GdiObjectsCreated() - before;
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
    dialog = tool->CreateModeless(main);
    ASSERT_NE(dialog, nullptr);
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

TEST_F(PaintChurnTest, EveryToolRepaintsWithoutMakingObjects) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
        tool = maker.make();
        dialog = tool->CreateModeless(main);
        ASSERT_NE(dialog, nullptr) << maker.name;
        EXPECT_EQ(MadeByRepaints(loop, dialog, 3), 0) << maker.name;
        tool.reset();
        Pump(loop, 10);
    }
    dialog = nullptr;
}

}  // namespace
}  // namespace wintest
