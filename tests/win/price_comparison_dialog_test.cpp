// The price comparison driven through its real controls; the unit price
// arithmetic is the native suite's.
#include <gtest/gtest.h>

#include <utility>

#include "app/keypad_panel.h"
#include "money/price_comparison_dialog.h"
#include "tool_dialog_test_support.h"

using wintest::ToolDialogTest;

namespace {

class PriceComparisonTest : public wintest::DialogTest<tv::PriceCompareDialog> {
protected:
    void Enter(const wchar_t* price1, const wchar_t* quantity1, const wchar_t* price2, const wchar_t* quantity2) {
        Type(IDC_PRICE_1, price1);
        Type(IDC_QUANTITY_1, quantity1);
        Type(IDC_PRICE_2, price2);
        Type(IDC_QUANTITY_2, quantity2);
    }
    std::wstring Results() const { return TextOf(IDC_UNIT_PRICE_1) + L" | " + TextOf(IDC_UNIT_PRICE_2); }
};

using Corners = std::pair<COLORREF, COLORREF>;

// The top-left and bottom-right pixels of a button as the dialog draws it.
Corners DrawnCorners(HWND dialog, HWND button, bool pressed) {
    RECT r;
    GetClientRect(button, &r);
    HDC dc = GetDC(button);
    DRAWITEMSTRUCT item = {ODT_BUTTON, IDC_CLEAR_ALL, 0, ODA_DRAWENTIRE, pressed ? UINT{ODS_SELECTED} : 0u,
                           button, dc, r, 0};
    SendMessageW(dialog, WM_DRAWITEM, IDC_CLEAR_ALL, reinterpret_cast<LPARAM>(&item));
    const Corners corners{GetPixel(dc, 0, 0), GetPixel(dc, r.right - 1, r.bottom - 2)};
    ReleaseDC(button, dc);
    return corners;
}

}  // namespace

TEST_F(ToolDialogTest, PriceComparisonOpensFromTheMenuWithoutAMenuBarAndTheCaretInTheFirstPrice) {
    OpenFromMenu(ID_PRICE_COMPARISON, L"pricecmp", [&] {
        EXPECT_EQ(GetMenu(dialog), nullptr);
        EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
    });
}

TEST_F(PriceComparisonTest, EachProductGetsItsPricePerUnitAndClearAllEmptiesEveryFieldForTheKeypad) {
    Enter(L"3.99", L"2", L"2.50", L"500");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(Results(), L"2.00 | 0.01");
    home->record.GroupDigits = true;  // read at each calculation
    Enter(L"123456", L"1", L"9", L"0");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(Results(), L"123,456.00 | 0.01");  // a quantity of 0 keeps the earlier result

    SetFocus(Field(IDC_QUANTITY_2));
    Press(IDC_CLEAR_ALL);
    EXPECT_EQ(Fields({IDC_PRICE_1, IDC_QUANTITY_1, IDC_UNIT_PRICE_1, IDC_PRICE_2, IDC_QUANTITY_2, IDC_UNIT_PRICE_2}),
              L" |  | [] |  |  | []");
    EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
    for (int id : {IDC_KEY_0 + 1, IDC_KEY_POINT, IDC_KEY_0 + 5}) Tap(id);
    EXPECT_EQ(TextOf(IDC_PRICE_1), L"1.5");
}

TEST_F(PriceComparisonTest, ClearAllIsDrawnAsAKeypadKey) {
    HWND clearAll = Field(IDC_CLEAR_ALL);
    EXPECT_EQ(GetWindowLongW(clearAll, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    const COLORREF light = tv::KeypadButton::kLightEdge, dark = tv::KeypadButton::kDarkEdge;
    EXPECT_EQ(DrawnCorners(dialog, clearAll, false), Corners(light, dark));
    EXPECT_EQ(DrawnCorners(dialog, clearAll, true), Corners(dark, light));
}
