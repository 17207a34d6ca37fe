// The price comparison, driven through its real controls.
#include <gtest/gtest.h>

#include "app/keypad_panel.h"
#include "dialog_test_support.h"
#include "money/price_comparison_dialog.h"

using wintest::Pump;

namespace {

class PriceComparisonTest : public wintest::ToolDialogTest<tv::PriceCompareDialog> {
protected:
    void Enter(int priceId, const wchar_t* price, int quantityId, const wchar_t* quantity) {
        SetField(priceId, price);
        SetField(quantityId, quantity);
    }
    std::wstring Results() const { return FieldText(IDC_UNIT_PRICE_1) + L" | " + FieldText(IDC_UNIT_PRICE_2); }
    std::wstring AllFields() const {
        std::wstring all;
        for (int id = IDC_PRICE_1; id <= IDC_UNIT_PRICE_2; ++id) all += FieldText(id) + L";";
        return all;
    }
};

// The colour of one pixel of a button drawn by the dialog into a bitmap.
class DrawnButton {
public:
    DrawnButton(HWND dialog, HWND button, bool pressed) {
        RECT r;
        GetClientRect(button, &r);
        width_ = r.right;
        height_ = r.bottom;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        // White where nothing draws.
        FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = pressed ? ODS_SELECTED : 0;
        item.hwndItem = button;
        item.hDC = dc_;
        item.rcItem = r;
        SendMessageW(dialog, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
    ~DrawnButton() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF TopLeft() const { return GetPixel(dc_, 0, 0); }
    COLORREF BottomRight() const { return GetPixel(dc_, width_ - 1, height_ - 2); }

private:
    int width_ = 0, height_ = 0;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace

TEST_F(PriceComparisonTest, EachProductGetsItsPricePerUnitToTheCent) {
    Enter(IDC_PRICE_1, L"3.99", IDC_QUANTITY_1, L"2");
    Enter(IDC_PRICE_2, L"2.50", IDC_QUANTITY_2, L"500");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(Results(), L"2.00 | 0.01");
    Enter(IDC_PRICE_1, L"0.25", IDC_QUANTITY_1, L"2");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(Results(), L"0.13 | 0.01");  // 0.125 rounds up
}

TEST_F(PriceComparisonTest, AQuantityNotAboveZeroKeepsTheEarlierResult) {
    Enter(IDC_PRICE_1, L"1", IDC_QUANTITY_1, L"4");
    Enter(IDC_PRICE_2, L"9", IDC_QUANTITY_2, L"3");
    Press(IDC_CONVERT_BUTTON);
    ASSERT_EQ(Results(), L"0.25 | 3.00");
    Enter(IDC_PRICE_1, L"5", IDC_QUANTITY_1, L"2");
    for (const wchar_t* quantity : {L"0", L"", L"-2", L"kg"}) {
        SetField(IDC_QUANTITY_2, quantity);
        Press(IDC_CONVERT_BUTTON);
        EXPECT_EQ(Results(), L"2.50 | 3.00") << quantity;
    }
}

TEST_F(PriceComparisonTest, GroupingFollowsTheOptionAtEachCalculation) {
    Enter(IDC_PRICE_1, L"123456", IDC_QUANTITY_1, L"1");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(FieldText(IDC_UNIT_PRICE_1), L"123456.00");
    home->record.GroupDigits = true;
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(FieldText(IDC_UNIT_PRICE_1), L"123,456.00");
}

TEST_F(PriceComparisonTest, ClearAllEmptiesEveryFieldAndTheKeypadTypesIntoTheFirstPrice) {
    EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
    Enter(IDC_PRICE_1, L"3.99", IDC_QUANTITY_1, L"2");
    Enter(IDC_PRICE_2, L"2.50", IDC_QUANTITY_2, L"500");
    Press(IDC_CONVERT_BUTTON);
    Focus(IDC_QUANTITY_2);
    Press(IDC_CLEAR_ALL);
    EXPECT_EQ(AllFields(), L";;;;;;");
    EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
    for (int id : {IDC_KEY_0 + 1, IDC_KEY_POINT, IDC_KEY_0 + 5}) Tap(id);
    EXPECT_EQ(FieldText(IDC_PRICE_1), L"1.5");
    Focus(IDC_QUANTITY_1);
    Tap(IDC_KEY_0 + 3);
    Tap(IDC_KEY_0);
    Tap(IDC_KEY_BACK);
    EXPECT_EQ(FieldText(IDC_QUANTITY_1), L"3");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(FieldText(IDC_UNIT_PRICE_1), L"0.50");
}

TEST_F(PriceComparisonTest, ClearAllLooksLikeAKeypadKey) {
    HWND clearAll = Field(IDC_CLEAR_ALL);
    EXPECT_EQ(GetWindowLongW(clearAll, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    const DrawnButton up(box, clearAll, false);
    EXPECT_EQ(up.TopLeft(), tv::KeypadButton::kLightEdge);
    EXPECT_EQ(up.BottomRight(), tv::KeypadButton::kDarkEdge);
    const DrawnButton down(box, clearAll, true);
    EXPECT_EQ(down.TopLeft(), tv::KeypadButton::kDarkEdge);
    EXPECT_EQ(down.BottomRight(), tv::KeypadButton::kLightEdge);
}

TEST_F(PriceComparisonTest, OpensFromTheMainMenuWithoutAMenuAndWithItsHelp) {
    dialog.reset();
    bool opened = false;
    wintest::WhenDialogOpens([&](HWND d) {
        opened = true;
        EXPECT_EQ(GetMenu(d), nullptr);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_PRICE_1));
        SendMessageW(d, WM_HELP, 0, 0);
        SendMessageW(d, WM_CLOSE, 0, 0);  // the title-bar OK
    });
    Command(ID_PRICE_COMPARISON);
    EXPECT_TRUE(opened);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#pricecmp"));
    EXPECT_TRUE(IsWindow(main));
}
