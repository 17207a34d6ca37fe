// Days between two dates: counted midnight to midnight on every change of
// either picker.
#include <gtest/gtest.h>

#include "calculator_test_support.h"
#include "tools/days_between_dialog.h"

using wintest::CalculatorTest;
using wintest::MainWindowTest;
using wintest::Pump;

namespace {

class DaysBetweenDialogTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        Show(std::make_unique<tv::DaysBetweenDialog>());
    }
    // Sets a picker and tells the dialog, as the picker does when the user
    // changes it.
    void SetDate(int picker, WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0,
                 WORD ms = 0) {
        SYSTEMTIME t = {year, month, 0, day, hour, minute, second, ms};
        ASSERT_TRUE(SendMessageW(Field(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)));
        NMDATETIMECHANGE change = {};
        change.nmhdr.hwndFrom = Field(picker);
        change.nmhdr.idFrom = picker;
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st = t;
        SendMessageW(dialog, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
    }
    std::wstring Days() const { return TextOf(IDC_DAYS_COUNT); }
    SYSTEMTIME PickerTime(int picker) const {
        SYSTEMTIME t = {};
        SendMessageW(Field(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
        return t;
    }
};

// A control's place in the dialog's client area as x, y, width, height.
RECT Placement(HWND dialog, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// x, y, width, height in dialog units as pixels, each converted on its own
// as the dialog manager does.
RECT DialogUnits(HWND dialog, RECT units) {
    MapDialogRect(dialog, &units);
    return units;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(MainWindowTest, DaysBetweenOpensOnTodayAndTodayAsZero) {
    Open();
    wintest::WhenDialogOpens([&](HWND d) {
        wintest::ExpectExactlyOver(d, main);
        EXPECT_EQ(wintest::Text(GetDlgItem(d, IDC_DAYS_COUNT)), L"0");
        SYSTEMTIME today, from = {}, to = {};
        GetLocalTime(&today);
        SendDlgItemMessageW(d, IDC_DAYS_FROM, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&from));
        SendDlgItemMessageW(d, IDC_DAYS_TO, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&to));
        for (const SYSTEMTIME& t : {from, to}) {
            EXPECT_EQ(t.wYear, today.wYear);
            EXPECT_EQ(t.wMonth, today.wMonth);
        }
        // Short dates, a drop-down calendar and no "none" box.
        for (int id : {IDC_DAYS_FROM, IDC_DAYS_TO}) {
            wchar_t cls[32] = {};
            GetClassNameW(GetDlgItem(d, id), cls, 32);
            EXPECT_STREQ(cls, L"SysDateTimePick32");
            const LONG style = GetWindowLongW(GetDlgItem(d, id), GWL_STYLE);
            EXPECT_EQ(style & (DTS_SHORTDATEFORMAT | DTS_LONGDATEFORMAT | DTS_TIMEFORMAT), DTS_SHORTDATEFORMAT);
            EXPECT_FALSE(style & (DTS_SHOWNONE | DTS_UPDOWN));
        }
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(d, IDC_DAYS_COUNT), GWL_STYLE) & ES_READONLY);
        // Where the template puts them: x, y, width, height in dialog units.
        EXPECT_TRUE(SameRect(Placement(d, IDC_DAYS_FROM), DialogUnits(d, {30, 3, 91, 13})));
        EXPECT_TRUE(SameRect(Placement(d, IDC_DAYS_TO), DialogUnits(d, {30, 19, 91, 13})));
        EXPECT_TRUE(SameRect(Placement(d, IDC_DAYS_COUNT), DialogUnits(d, {30, 39, 90, 13})));
        SendMessageW(d, WM_HELP, 0, 0);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    Command(ID_DAYS_BETWEEN);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#dbtwd"));
}

TEST_F(DaysBetweenDialogTest, CountsCalendarDaysEitherWay) {
    SetDate(IDC_DAYS_FROM, 2004, 1, 1);
    SetDate(IDC_DAYS_TO, 2004, 1, 1);
    EXPECT_EQ(Days(), L"0");
    SetDate(IDC_DAYS_TO, 2004, 3, 1);
    EXPECT_EQ(Days(), L"60");  // 2004 is a leap year
    SetDate(IDC_DAYS_FROM, 2004, 3, 1);
    SetDate(IDC_DAYS_TO, 2004, 1, 1);
    EXPECT_EQ(Days(), L"-60");
    SetDate(IDC_DAYS_FROM, 1900, 1, 1);
    SetDate(IDC_DAYS_TO, 2000, 1, 1);
    EXPECT_EQ(Days(), L"36524");  // 1900 is not
    SetDate(IDC_DAYS_TO, 2004, 1, 2);
    EXPECT_EQ(Days(), L"37986");
}

TEST_F(DaysBetweenDialogTest, TheTimeOfDayNeverCounts) {
    SetDate(IDC_DAYS_FROM, 2010, 6, 15, 23, 59, 59, 999);
    SetDate(IDC_DAYS_TO, 2010, 6, 16, 0, 0, 1);
    ASSERT_EQ(PickerTime(IDC_DAYS_FROM).wHour, 23);  // the picker does carry it
    EXPECT_EQ(Days(), L"1");
    SetDate(IDC_DAYS_TO, 2010, 6, 15, 0, 0, 0);
    EXPECT_EQ(Days(), L"0");
    SetDate(IDC_DAYS_FROM, 2010, 6, 16, 0, 0, 0);
    SetDate(IDC_DAYS_TO, 2010, 6, 15, 23, 59, 59);
    EXPECT_EQ(Days(), L"-1");
}

TEST_F(DaysBetweenDialogTest, AChangeMadeInAPickerRecountsAtOnce) {
    SetDate(IDC_DAYS_FROM, 2004, 1, 15);
    SetDate(IDC_DAYS_TO, 2004, 1, 15);
    ASSERT_EQ(Days(), L"0");
    // The user taps the To date's first field and steps it with the
    // keyboard; the picker itself tells the dialog.
    HWND picker = Field(IDC_DAYS_TO);
    RECT r;
    GetClientRect(picker, &r);
    const LPARAM firstField = MAKELPARAM(6, r.bottom / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, firstField);
    SendMessageW(picker, WM_LBUTTONUP, 0, firstField);
    SendMessageW(picker, WM_KEYDOWN, VK_UP, 0);
    Pump(loop, 20);
    const SYSTEMTIME to = PickerTime(IDC_DAYS_TO);
    ASSERT_EQ(to.wMonth, 2) << "the month field did not step";  // month/day/year here
    EXPECT_EQ(Days(), L"31");
    // A notification from elsewhere is not a picker change.
    SetWindowTextW(Field(IDC_DAYS_COUNT), L"unchanged");
    NMHDR other = {Field(IDC_DAYS_COUNT), IDC_DAYS_COUNT, DTN_DATETIMECHANGE};
    SendMessageW(dialog, WM_NOTIFY, IDC_DAYS_COUNT, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(Days(), L"unchanged");
}
