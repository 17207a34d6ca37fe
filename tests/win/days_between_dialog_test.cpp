// Days between two dates: the count follows every change of either picker;
// the day count itself is the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"

using wintest::ToolDialogTest;

TEST_F(ToolDialogTest, DaysBetweenCountsAtOpeningAndAtEachChangeOfEitherPicker) {
    OpenFromMenu(ID_DAYS_BETWEEN, L"dbtwd", [&] {
        EXPECT_EQ(Fields({IDC_DAYS_COUNT}), L"[0]");  // both pickers on today
        SYSTEMTIME to = {2004, 1, 0, 1}, from = {2004, 3, 0, 1};
        SendMessageW(Field(IDC_DAYS_TO), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&to));
        SendMessageW(Field(IDC_DAYS_FROM), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&from));
        // What the From picker sends when the user changes it.
        NMDATETIMECHANGE change = {{Field(IDC_DAYS_FROM), IDC_DAYS_FROM, DTN_DATETIMECHANGE}, GDT_VALID, from};
        SendMessageW(dialog, WM_NOTIFY, IDC_DAYS_FROM, reinterpret_cast<LPARAM>(&change));
        EXPECT_EQ(TextOf(IDC_DAYS_COUNT), L"-60");
        // The user taps the To date's first field and steps it with the
        // keyboard; the picker itself tells the dialog. It finds its fields
        // once it has been painted.
        ShowWindow(dialog, SW_SHOWNORMAL);  // as its loop does once idle
        UpdateWindow(dialog);
        HWND picker = Field(IDC_DAYS_TO);
        RECT r;
        GetClientRect(picker, &r);
        const LPARAM firstField = MAKELPARAM(6, r.bottom / 2);
        SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, firstField);
        SendMessageW(picker, WM_LBUTTONUP, 0, firstField);
        SendMessageW(picker, WM_KEYDOWN, VK_UP, 0);
        wintest::Pump(loop, 20);
        EXPECT_EQ(TextOf(IDC_DAYS_COUNT), L"-29") << "one month on: the first field is the month here";
    });
}
