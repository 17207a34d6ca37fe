// Days between two dates: the count follows every change of either picker;
// the day count itself is the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/days_between_dialog.h"

using wintest::ToolDialogTest;

namespace {

class DaysBetweenDialogTest : public wintest::DialogTest<tv::DaysBetweenDialog> {
protected:
    // Sets a picker and tells the dialog, as the picker does when the user
    // changes it.
    void SetDate(int picker, SYSTEMTIME t) {
        ASSERT_TRUE(SendMessageW(Field(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)));
        NMDATETIMECHANGE change = {{Field(picker), static_cast<UINT_PTR>(picker), DTN_DATETIMECHANGE}, GDT_VALID, t};
        SendMessageW(dialog, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
    }
    SYSTEMTIME PickerTime(int picker) const {
        SYSTEMTIME t = {};
        SendMessageW(Field(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
        return t;
    }
};

}  // namespace

TEST_F(ToolDialogTest, DaysBetweenOpensOnTodayTwiceCountingZeroWithShortDateDropDowns) {
    OpenFromMenu(ID_DAYS_BETWEEN, L"dbtwd", [&] {
        EXPECT_EQ(Fields({IDC_DAYS_COUNT}), L"[0]");
        SYSTEMTIME today, t = {};
        GetLocalTime(&today);
        for (int id : {IDC_DAYS_FROM, IDC_DAYS_TO}) {
            SendMessageW(Field(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
            EXPECT_EQ(t.wYear * 100 + t.wMonth, today.wYear * 100 + today.wMonth) << id;
            const LONG style = GetWindowLongW(Field(id), GWL_STYLE);
            EXPECT_EQ(style & (DTS_SHORTDATEFORMAT | DTS_LONGDATEFORMAT | DTS_TIMEFORMAT), DTS_SHORTDATEFORMAT);
            EXPECT_FALSE(style & (DTS_SHOWNONE | DTS_UPDOWN));
        }
    });
}

TEST_F(DaysBetweenDialogTest, EveryPickerChangeRecountsAtOnceMidnightToMidnight) {
    SetDate(IDC_DAYS_FROM, {2010, 6, 0, 15, 23, 59, 59, 999});
    SetDate(IDC_DAYS_TO, {2010, 6, 0, 16, 0, 0, 1});
    ASSERT_EQ(PickerTime(IDC_DAYS_FROM).wHour, 23);  // the picker carries the time of day
    EXPECT_EQ(TextOf(IDC_DAYS_COUNT), L"1");
    SetDate(IDC_DAYS_FROM, {2004, 3, 0, 1});
    SetDate(IDC_DAYS_TO, {2004, 1, 0, 1});
    EXPECT_EQ(TextOf(IDC_DAYS_COUNT), L"-60");
    // The user taps the To date's first field and steps it with the
    // keyboard; the picker itself tells the dialog.
    HWND picker = Field(IDC_DAYS_TO);
    RECT r;
    GetClientRect(picker, &r);
    const LPARAM firstField = MAKELPARAM(6, r.bottom / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, firstField);
    SendMessageW(picker, WM_LBUTTONUP, 0, firstField);
    SendMessageW(picker, WM_KEYDOWN, VK_UP, 0);
    wintest::Pump(loop, 20);
    ASSERT_EQ(PickerTime(IDC_DAYS_TO).wMonth, 2) << "the month field did not step";  // month/day/year here
    EXPECT_EQ(TextOf(IDC_DAYS_COUNT), L"-29");
    // A notification from elsewhere is not a picker change.
    Type(IDC_DAYS_COUNT, L"unchanged");
    NMHDR other = {Field(IDC_DAYS_COUNT), IDC_DAYS_COUNT, DTN_DATETIMECHANGE};
    SendMessageW(dialog, WM_NOTIFY, IDC_DAYS_COUNT, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(TextOf(IDC_DAYS_COUNT), L"unchanged");
}
