// The price comparison driven through its real controls; the unit price
// arithmetic is the native suite's.
#include <gtest/gtest.h>

#include "app/keypad_panel.h"
#include "tool_dialog_test_support.h"

using wintest::ToolDialogTest;

TEST_F(ToolDialogTest, PriceComparisonPricesEachProductAndClearAllIsAKeypadKeyThatEmptiesEveryField) {
    home->record.GroupDigits = true;
    OpenFromMenu(ID_PRICE_COMPARISON, L"pricecmp", [&] {
        EXPECT_EQ(GetMenu(dialog), nullptr);
        EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
        ShowWindow(dialog, SW_SHOWNORMAL);  // as its loop does once idle: keys and pixels reach it
        const std::vector<int> fields = {IDC_PRICE_1, IDC_QUANTITY_1, IDC_UNIT_PRICE_1,
                                         IDC_PRICE_2, IDC_QUANTITY_2, IDC_UNIT_PRICE_2};
        const wchar_t* const typed[] = {L"9", L"0", L"earlier", L"123456", L"1", L""};
        for (size_t i = 0; i < fields.size(); ++i) Type(fields[i], typed[i]);
        Press(IDC_CONVERT_BUTTON);
        EXPECT_EQ(Fields(fields), L"9 | 0 | [earlier] | 123456 | 1 | [123,456.00]");  // a quantity of 0 keeps it

        SetFocus(Field(IDC_QUANTITY_2));
        Press(IDC_CLEAR_ALL);
        EXPECT_EQ(Fields(fields), L" |  | [] |  |  | []");
        EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
        for (int id : {IDC_KEY_0 + 1, IDC_KEY_POINT, IDC_KEY_0 + 5}) Tap(id);
        EXPECT_EQ(TextOf(IDC_PRICE_1), L"1.5");

        // Clear All's top-left and bottom-right pixels: a keypad key's bevel, up and held down.
        HWND clearAll = Field(IDC_CLEAR_ALL);
        RECT r;
        GetClientRect(clearAll, &r);
        const std::pair<COLORREF, COLORREF> up{tv::KeypadButton::kLightEdge, tv::KeypadButton::kDarkEdge};
        for (auto [held, corners] : {std::pair{FALSE, up}, std::pair{TRUE, std::pair{up.second, up.first}}}) {
            SendMessageW(clearAll, BM_SETSTATE, held, 0);
            RedrawWindow(clearAll, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            HDC dc = GetDC(clearAll);
            EXPECT_EQ(std::pair(GetPixel(dc, 0, 0), GetPixel(dc, r.right - 1, r.bottom - 2)), corners) << held;
            ReleaseDC(clearAll, dc);
        }
    });
}
