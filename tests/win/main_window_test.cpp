// The main window, driven through its real controls and menus.
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "window_test_support.h"

using wintest::MainWindowTest;
using wintest::Pump;
using wintest::StoredDword;

namespace {

HMENU SubMenu(HWND main, int button) { return tv::shell::MenuBarSubMenu(main, button); }

bool Grayed(HMENU menu, int id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

void PutClipboardText(HWND owner, const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

}  // namespace

TEST_F(MainWindowTest, ClientAreaIsTheWorkAreaLessTheMenuBarReserve) {
    Open();
    RECT client;
    GetClientRect(main, &client);
    const RECT work = tv::shell::DeviceWorkArea();
    const int reserve = 26 * (tv::shell::LogPixelsY() / 96);
    EXPECT_EQ(client.right, work.right - work.left);
    EXPECT_EQ(client.bottom, work.bottom - work.top - reserve);
    EXPECT_EQ(work.right - work.left, 240 * (tv::shell::LogPixelsX() / 96));
    EXPECT_EQ(work.bottom - work.top, (320 - 26) * (tv::shell::LogPixelsY() / 96));
    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    EXPECT_EQ(origin.x, work.left);
    EXPECT_EQ(origin.y, work.top);
    wchar_t cls[32] = {}, title[32] = {};
    GetClassNameW(main, cls, 32);
    GetWindowTextW(main, title, 32);
    EXPECT_STREQ(cls, L"TALLYVANEPRO");
    EXPECT_STREQ(title, L"Tallyvane Pro");
}

TEST_F(MainWindowTest, EmptyInputConvertsZeroAndListChangesConvertAtOnce) {
    Open();
    ChooseUnit(IDC_TO_LIST, 1);  // Celsius to Fahrenheit, with nothing typed
    EXPECT_EQ(ItemText(IDC_RESULT), L"32.0000");
    SetWindowTextW(Item(IDC_INPUT), L"100");
    ChooseUnit(IDC_FROM_LIST, 2);  // Kelvin to Fahrenheit
    EXPECT_EQ(ItemText(IDC_RESULT), L"-279.6700");
    EXPECT_EQ(GetFocus(), Item(IDC_INPUT));
    EXPECT_EQ(window->Category()->Selection(), 0x0102u);
}

TEST_F(MainWindowTest, EnterConvertsWhereverTheFocusIs) {
    Open();
    SetWindowTextW(Item(IDC_INPUT), L"2");
    SetFocus(Item(IDC_TO_LIST));
    Key(VK_RETURN);
    EXPECT_EQ(ItemText(IDC_RESULT), L"2.0000");
    SetWindowTextW(Item(IDC_INPUT), L"3");
    SetFocus(Item(IDC_KEY_0 + 7));
    Key(VK_RETURN);
    EXPECT_EQ(ItemText(IDC_RESULT), L"3.0000");
}

TEST_F(MainWindowTest, ChoosingACategoryEmptiesTheFieldsAndPaintsItsName) {
    Open();
    SetWindowTextW(Item(IDC_INPUT), L"5");
    Click(IDC_CONVERT_BUTTON);
    ASSERT_FALSE(ItemText(IDC_RESULT).empty());
    Command(ID_CATEGORY_FIRST);  // the same category again
    EXPECT_EQ(ItemText(IDC_INPUT), L"");
    EXPECT_EQ(ItemText(IDC_RESULT), L"");
    Command(ID_CATEGORY_FIRST + tv::kVolume);
    EXPECT_EQ(window->Category()->Id(), tv::kVolume);
    EXPECT_EQ(SendMessageW(Item(IDC_FROM_LIST), CB_GETCOUNT, 0, 0), 20);
    // Every category switch saves the whole record.
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), static_cast<DWORD>(tv::kVolume));
}

TEST_F(MainWindowTest, UnitsComeBackAfterASwitchAndAfterARestart) {
    Open();
    Command(ID_CATEGORY_FIRST + tv::kLength);
    ChooseUnit(IDC_FROM_LIST, 4);
    ChooseUnit(IDC_TO_LIST, 3);
    Command(ID_CATEGORY_FIRST + tv::kMass);
    Command(ID_CATEGORY_FIRST + tv::kLength);
    EXPECT_EQ(SendMessageW(Item(IDC_FROM_LIST), CB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(SendMessageW(Item(IDC_TO_LIST), CB_GETCURSEL, 0, 0), 3);
    ChooseUnit(IDC_TO_LIST, 7);
    Close();
    EXPECT_EQ(StoredDword(tv::kSelectionPath, L"C2"), 0x0704u);

    Open();  // a restart: everything read back from the registry
    EXPECT_EQ(window->Category()->Id(), tv::kLength);
    EXPECT_EQ(SendMessageW(Item(IDC_FROM_LIST), CB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(SendMessageW(Item(IDC_TO_LIST), CB_GETCURSEL, 0, 0), 7);
}

TEST_F(MainWindowTest, EditMenuFollowsTheResultAndTheClipboard) {
    Open();
    HMENU edit = SubMenu(main, IDMB_EDIT);
    ASSERT_NE(edit, nullptr);
    PutClipboardText(main, L"1,234.5");
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 2);
    EXPECT_TRUE(Grayed(edit, ID_COPY));
    EXPECT_FALSE(Grayed(edit, ID_PASTE));

    Command(ID_CATEGORY_FIRST + tv::kLength);
    ChooseUnit(IDC_FROM_LIST, 2);
    ChooseUnit(IDC_TO_LIST, 2);
    Command(ID_PASTE);
    EXPECT_EQ(ItemText(IDC_INPUT), L"1,234.5");
    Click(IDC_CONVERT_BUTTON);
    EXPECT_EQ(ItemText(IDC_RESULT), L"1.0000");  // reading stops at the comma

    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 2);
    EXPECT_FALSE(Grayed(edit, ID_COPY));
    Command(ID_COPY);
    ASSERT_TRUE(OpenClipboard(main));
    HGLOBAL copied = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(copied, nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(copied)), L"1.0000");
    GlobalUnlock(copied);
    EmptyClipboard();
    CloseClipboard();
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 2);
    EXPECT_TRUE(Grayed(edit, ID_PASTE));
}

TEST_F(MainWindowTest, UnitMenuChecksTheCategoryInOneColumnWhenPortrait) {
    Open();
    Command(ID_CATEGORY_FIRST + tv::kPressure);
    HMENU units = SubMenu(main, IDMB_UNIT);
    ASSERT_NE(units, nullptr);
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(units), 0);
    for (int id = ID_CATEGORY_FIRST; id <= ID_CATEGORY_LAST; ++id) {
        const bool checked = (GetMenuState(units, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
        EXPECT_EQ(checked, id == ID_CATEGORY_FIRST + tv::kPressure) << id;
        EXPECT_FALSE(GetMenuState(units, id, MF_BYCOMMAND) & MF_MENUBARBREAK) << id;
    }
    wchar_t first[32] = {};
    GetMenuStringW(units, 0, first, 32, MF_BYPOSITION);
    EXPECT_STREQ(first, L"Area");
}

TEST_F(MainWindowTest, LandscapeAndSquareScreensShowTwoColumnsAndOneKeyRow) {
    for (SIZE screen : {SIZE{320, 240}, SIZE{240, 240}}) {
        tv::shell::SetDeviceScreenLogicalSize(screen.cx, screen.cy);
        Open();
        HMENU units = SubMenu(main, IDMB_UNIT);
        for (int id = ID_CATEGORY_FIRST; id <= ID_CATEGORY_LAST; ++id) {
            const bool breaks = (GetMenuState(units, id, MF_BYCOMMAND) & MF_MENUBARBREAK) != 0;
            EXPECT_EQ(breaks, id == ID_CATEGORY_FIRST + tv::kMass) << id;
        }
        RECT seven, three;
        GetWindowRect(Item(IDC_KEY_0 + 7), &seven);
        GetWindowRect(Item(IDC_KEY_0 + 3), &three);
        EXPECT_EQ(seven.top, three.top);  // 7 8 9 4 5 6 1 2 3 <- on one row
        Close();
    }
}

TEST_F(MainWindowTest, CtrlQClosesAndSaves) {
    Open();
    Command(ID_CATEGORY_FIRST + tv::kSpeed);
    ChooseUnit(IDC_TO_LIST, 6);
    SetFocus(Item(IDC_INPUT));
    Key('Q', true);
    EXPECT_FALSE(IsWindow(main));
    Close();
    EXPECT_EQ(StoredDword(tv::kSelectionPath, L"C6"), 0x0600u);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), static_cast<DWORD>(tv::kSpeed));
}

TEST_F(MainWindowTest, DamagedCategoryAndDecimalsStartCleanly) {
    wintest::StoreDword(tv::kSettingsPath, L"Category", 77);
    wintest::StoreDword(tv::kSettingsPath, L"DeciSize", 9);
    Open();
    ASSERT_NE(window->Category(), nullptr);
    EXPECT_EQ(window->Category()->Id(), tv::kTemperature);
    EXPECT_EQ(home->record.Category, 0);
    SetWindowTextW(Item(IDC_INPUT), L"1");
    Click(IDC_CONVERT_BUTTON);
    EXPECT_EQ(ItemText(IDC_RESULT), L"1.0000");

    // Options shows the default and stores what it shows.
    wintest::WhenDialogOpens([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_GETCURSEL, 0, 0), 2);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(ID_OPTIONS);
    EXPECT_EQ(home->record.DeciSize, 2);
    Close();
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), 0u);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"DeciSize"), 2u);
}

TEST_F(MainWindowTest, OptionsApplyAtOnceAndOpeningADialogSaves) {
    Open();
    Command(ID_CATEGORY_FIRST + tv::kComputer);
    SetWindowTextW(Item(IDC_INPUT), L"1");
    ChooseUnit(IDC_FROM_LIST, 5);  // Terabytes to Bits
    ChooseUnit(IDC_TO_LIST, 0);
    EXPECT_EQ(ItemText(IDC_RESULT), L"8796093022208.0000");

    DWORD categoryWhileOpen = 0;
    wintest::WhenDialogOpens([&](HWND dialog) {
        // Opening the dialog deactivated the main window, which saved.
        categoryWhileOpen = StoredDword(tv::kSettingsPath, L"Category");
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIGIT_GROUPING), BST_UNCHECKED);
        wchar_t entry[32] = {};
        SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, L"(Unlimited)");
        SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_SETCURSEL, 0, 0);
        CheckDlgButton(dialog, IDC_DIGIT_GROUPING, BST_CHECKED);
        SendMessageW(dialog, WM_HELP, 0, 0);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(ID_OPTIONS);
    EXPECT_EQ(categoryWhileOpen, static_cast<DWORD>(tv::kComputer));
    EXPECT_EQ(ItemText(IDC_RESULT), L"8,796,093,022,208.00000000");
    EXPECT_EQ(home->record.DeciSize, 0);
    EXPECT_TRUE(home->record.GroupDigits);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"/TallyvanePro.htm#options"));
}

TEST_F(MainWindowTest, HelpAndAbout) {
    Open();
    SendMessageW(main, WM_HELP, 0, 0);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_EQ(helpUrls[0].substr(0, 8), L"file:///");
    EXPECT_TRUE(helpUrls[0].ends_with(L"/TallyvanePro.htm#unit"));

    RECT mainRect;
    GetWindowRect(main, &mainRect);
    wintest::WhenDialogOpens([&](HWND dialog) {
        wchar_t name[32] = {};
        GetDlgItemTextW(dialog, IDC_ABOUT_NAME, name, 32);
        EXPECT_STREQ(name, L"Tallyvane Pro");
        RECT r;
        GetWindowRect(dialog, &r);  // laid over the main window, wider only if a font needs it
        EXPECT_EQ(r.left, mainRect.left);
        EXPECT_EQ(r.top, mainRect.top);
        EXPECT_EQ(r.bottom, mainRect.bottom);
        EXPECT_GE(r.right, mainRect.right);
        RECT client, label;
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, IDC_ABOUT_NAME), &label);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&label), 2);
        EXPECT_LE(label.right, client.right);  // nothing cut off at the right
        SendMessageW(dialog, WM_HELP, 0, 0);  // no topic: ignored
        SendMessageW(dialog, WM_CLOSE, 0, 0);  // the title-bar OK
    });
    Command(ID_ABOUT);
    EXPECT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(MainWindowTest, KeyboardHelpAndEscape) {
    Open();
    SetFocus(Item(IDC_TO_LIST));
    Key(VK_F1);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#unit"));

    // In a dialog F1 asks for its topic and Esc is the title-bar OK: it stores.
    wintest::WhenDialogOpens([&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_DIGIT_GROUPING));
        CheckDlgButton(dialog, IDC_DIGIT_GROUPING, BST_CHECKED);
        for (BYTE key : {BYTE(VK_F1), BYTE(VK_ESCAPE)}) {
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        }
    });
    Command(ID_OPTIONS);
    ASSERT_EQ(helpUrls.size(), 2u);
    EXPECT_TRUE(helpUrls[1].ends_with(L"#options"));
    EXPECT_TRUE(home->record.GroupDigits);
    EXPECT_TRUE(IsWindow(main));

    Key(VK_ESCAPE);  // in the main window it closes the program
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(MainWindowTest, EnterRunsTheKeypadToolsActionInsteadOfClosingThem) {
    Open();
    struct Case {
        int command, input, output;
        const wchar_t* typed;
        const wchar_t* shown;
    };
    for (const Case& c : {Case{ID_NUMBER_BASE, IDC_BASE_INPUT, IDC_BASE_OUTPUT_1, L"255", L"FF"},
                          Case{ID_PRICE_COMPARISON, IDC_QUANTITY_1, IDC_UNIT_PRICE_1, L"2", L"2.00"}}) {
        std::wstring shown = L"<closed>";
        wintest::WhenDialogOpens([&](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_PRICE_1, L"3.99");  // no such field in the base converter
            SetDlgItemTextW(dialog, c.input, c.typed);
            SetFocus(GetDlgItem(dialog, c.input));
            keybd_event(VK_RETURN, 0, 0, 0);
            keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
            wintest::WhenDialogOpens([&](HWND still) {
                shown = wintest::Text(GetDlgItem(still, c.output));
                SendMessageW(still, WM_COMMAND, IDOK, 0);
            });
        });
        Command(c.command);
        EXPECT_EQ(shown, c.shown) << c.command;
    }
}
