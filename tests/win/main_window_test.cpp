// The main window, driven through its real controls and menus.
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "window_test_support.h"

using wintest::MainWindowTest;
using wintest::StoredDword;
using wintest::WhenDialogOpens;

namespace {

// A menu item's state once the menu bar has prepared its menu for showing.
UINT MenuItemState(HWND main, int button, int id) {
    HMENU menu = tv::shell::MenuBarSubMenu(main, button);
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    return GetMenuState(menu, id, MF_BYCOMMAND);
}

// Replaces the clipboard's contents with `text`, or empties it for nullptr.
void PutClipboardText(HWND owner, const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    if (text) {
        const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        memcpy(GlobalLock(memory), text, bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
}

LRESULT Selected(HWND list) { return SendMessageW(list, CB_GETCURSEL, 0, 0); }

}  // namespace

TEST_F(MainWindowTest, ListChangesAndEnterAnywhereConvert) {
    Open();
    ChooseUnit(IDC_TO_LIST, 1);  // Celsius to Fahrenheit, with nothing typed: 0
    EXPECT_EQ(ItemText(IDC_RESULT), L"32.0000");
    SetWindowTextW(Item(IDC_INPUT), L"100");
    ChooseUnit(IDC_FROM_LIST, 2);  // Kelvin to Fahrenheit
    EXPECT_EQ(ItemText(IDC_RESULT), L"-279.6700");
    EXPECT_EQ(GetFocus(), Item(IDC_INPUT));

    ChooseUnit(IDC_FROM_LIST, 0);
    ChooseUnit(IDC_TO_LIST, 0);
    for (auto [focus, typed] : {std::pair{IDC_TO_LIST, L"2"}, {IDC_KEY_0 + 7, L"3"}}) {
        SetWindowTextW(Item(IDC_INPUT), typed);
        SetFocus(Item(focus));
        Key(VK_RETURN);
        EXPECT_EQ(ItemText(IDC_RESULT), typed + std::wstring(L".0000"));
    }
}

TEST_F(MainWindowTest, CategoriesEmptyTheFieldsAndKeepTheirUnitsAcrossCtrlQAndARestart) {
    Open();
    SetWindowTextW(Item(IDC_INPUT), L"5");
    Click(IDC_CONVERT_BUTTON);
    ASSERT_FALSE(ItemText(IDC_RESULT).empty());
    Command(ID_CATEGORY_FIRST);  // the same category again
    EXPECT_EQ(ItemText(IDC_INPUT), L"");
    EXPECT_EQ(ItemText(IDC_RESULT), L"");

    Command(ID_CATEGORY_FIRST + tv::kLength);
    ChooseUnit(IDC_FROM_LIST, 4);
    ChooseUnit(IDC_TO_LIST, 3);
    Command(ID_CATEGORY_FIRST + tv::kVolume);
    EXPECT_EQ(SendMessageW(Item(IDC_FROM_LIST), CB_GETCOUNT, 0, 0), 20);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), DWORD{tv::kVolume});  // every switch saves
    Command(ID_CATEGORY_FIRST + tv::kLength);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)), 4);
    EXPECT_EQ(Selected(Item(IDC_TO_LIST)), 3);
    ChooseUnit(IDC_TO_LIST, 7);
    SetFocus(Item(IDC_INPUT));
    Key('Q', true);
    EXPECT_FALSE(IsWindow(main));
    Close();  // as the program ends once its window is gone
    EXPECT_EQ(StoredDword(tv::kSelectionPath, L"C2"), 0x0704u);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), DWORD{tv::kLength});

    Open();  // a restart: everything read back from the registry
    EXPECT_EQ(window->Category()->Id(), tv::kLength);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)), 4);
    EXPECT_EQ(Selected(Item(IDC_TO_LIST)), 7);
}

TEST_F(MainWindowTest, EditMenuFollowsTheResultAndTheClipboard) {
    Open();
    PutClipboardText(main, L"1,234.5");
    EXPECT_TRUE(MenuItemState(main, IDMB_EDIT, ID_COPY) & MF_GRAYED);
    EXPECT_FALSE(MenuItemState(main, IDMB_EDIT, ID_PASTE) & MF_GRAYED);

    Command(ID_CATEGORY_FIRST + tv::kLength);
    ChooseUnit(IDC_FROM_LIST, 2);
    ChooseUnit(IDC_TO_LIST, 2);
    Command(ID_PASTE);
    EXPECT_EQ(ItemText(IDC_INPUT), L"1,234.5");
    Click(IDC_CONVERT_BUTTON);
    EXPECT_EQ(ItemText(IDC_RESULT), L"1.0000");  // reading stops at the comma

    EXPECT_FALSE(MenuItemState(main, IDMB_EDIT, ID_COPY) & MF_GRAYED);
    Command(ID_COPY);
    ASSERT_TRUE(OpenClipboard(main));
    HGLOBAL copied = GetClipboardData(CF_UNICODETEXT);
    EXPECT_STREQ(copied ? static_cast<const wchar_t*>(GlobalLock(copied)) : L"<none>", L"1.0000");
    if (copied) GlobalUnlock(copied);
    CloseClipboard();
    PutClipboardText(main, nullptr);
    EXPECT_TRUE(MenuItemState(main, IDMB_EDIT, ID_PASTE) & MF_GRAYED);
}

// The client area is the work area less the menu bar's reserve. The Unit menu
// checks the category; landscape and square screens give it two columns and
// the keypad one row of 7 8 9 4 5 6 1 2 3 <-.
TEST_F(MainWindowTest, WindowMenuAndKeypadFollowTheScreenShape) {
    for (SIZE screen : {SIZE{240, 320}, SIZE{320, 240}, SIZE{240, 240}}) {
        tv::shell::SetDeviceScreenLogicalSize(screen.cx, screen.cy);
        Open();
        const RECT work = tv::shell::DeviceWorkArea();
        const int scale = tv::shell::LogPixelsY() / 96;
        EXPECT_EQ(work.right - work.left, screen.cx * scale);
        EXPECT_EQ(work.bottom - work.top, (screen.cy - 26) * scale);
        RECT client;
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, work.right - work.left);
        EXPECT_EQ(client.bottom, work.bottom - work.top - 26 * scale);
        POINT origin = {0, 0};
        ClientToScreen(main, &origin);
        EXPECT_TRUE(origin.x == work.left && origin.y == work.top);

        Command(ID_CATEGORY_FIRST + tv::kPressure);
        const bool portrait = screen.cy > screen.cx;
        for (int id = ID_CATEGORY_FIRST; id <= ID_CATEGORY_LAST; ++id) {
            const UINT state = MenuItemState(main, IDMB_UNIT, id);
            EXPECT_EQ((state & MF_CHECKED) != 0, id == ID_CATEGORY_FIRST + tv::kPressure) << id;
            EXPECT_EQ((state & MF_MENUBARBREAK) != 0, !portrait && id == ID_CATEGORY_FIRST + tv::kMass) << id;
        }
        RECT seven, three;
        GetWindowRect(Item(IDC_KEY_0 + 7), &seven);
        GetWindowRect(Item(IDC_KEY_0 + 3), &three);
        EXPECT_EQ(seven.top == three.top, !portrait) << screen.cx << "x" << screen.cy;
        wchar_t first[32] = {};
        GetMenuStringW(tv::shell::MenuBarSubMenu(main, IDMB_UNIT), 0, first, 32, MF_BYPOSITION);
        EXPECT_STREQ(first, L"Area");
        Close();
    }
}

TEST_F(MainWindowTest, DamagedSettingsStartCleanlyAndOptionsApplyAtOnce) {
    wintest::StoreDword(tv::kSettingsPath, L"Category", 77);
    wintest::StoreDword(tv::kSettingsPath, L"DeciSize", 9);
    Open();
    ASSERT_NE(window->Category(), nullptr);
    EXPECT_EQ(window->Category()->Id(), tv::kTemperature);
    EXPECT_EQ(home->record.Category, 0);
    SetWindowTextW(Item(IDC_INPUT), L"1");
    Click(IDC_CONVERT_BUTTON);
    EXPECT_EQ(ItemText(IDC_RESULT), L"1.0000");

    Command(ID_CATEGORY_FIRST + tv::kComputer);
    SetWindowTextW(Item(IDC_INPUT), L"1");
    ChooseUnit(IDC_FROM_LIST, 5);  // Terabytes to Bits
    ChooseUnit(IDC_TO_LIST, 0);
    EXPECT_EQ(ItemText(IDC_RESULT), L"8796093022208.0000");
    DWORD categoryWhileOpen = 0;
    WhenDialogOpens([&](HWND dialog) {
        // Opening the dialog deactivated the main window, which saved.
        categoryWhileOpen = StoredDword(tv::kSettingsPath, L"Category");
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_GETCURSEL, 0, 0), 2);  // the default
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIGIT_GROUPING), BST_UNCHECKED);
        SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_SETCURSEL, 0, 0);  // (Unlimited)
        CheckDlgButton(dialog, IDC_DIGIT_GROUPING, BST_CHECKED);
        SendMessageW(dialog, WM_HELP, 0, 0);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(ID_OPTIONS);
    EXPECT_EQ(categoryWhileOpen, DWORD{tv::kComputer});
    EXPECT_EQ(ItemText(IDC_RESULT), L"8,796,093,022,208.00000000");
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"/TallyvanePro.htm#options"));
    Close();
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"DeciSize"), 0u);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"GroupDigits"), 1u);
}

TEST_F(MainWindowTest, HelpAboutAndEscape) {
    Open();
    SendMessageW(main, WM_HELP, 0, 0);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].starts_with(L"file:///") && helpUrls[0].ends_with(L"/TallyvanePro.htm#unit"))
        << helpUrls[0];

    RECT mainRect;
    GetWindowRect(main, &mainRect);
    WhenDialogOpens([&](HWND dialog) {
        EXPECT_EQ(wintest::Text(GetDlgItem(dialog, IDC_ABOUT_NAME)), L"Tallyvane Pro");
        RECT r, client, label;
        GetWindowRect(dialog, &r);  // laid over the main window, wider only if a font needs it
        EXPECT_TRUE(r.left == mainRect.left && r.top == mainRect.top && r.bottom == mainRect.bottom);
        EXPECT_GE(r.right, mainRect.right);
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, IDC_ABOUT_NAME), &label);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&label), 2);
        EXPECT_LE(label.right, client.right);  // nothing cut off at the right
        SendMessageW(dialog, WM_HELP, 0, 0);   // no topic: ignored
        SendMessageW(dialog, WM_CLOSE, 0, 0);  // the title-bar OK
    });
    Command(ID_ABOUT);
    EXPECT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(IsWindow(main));

    SetFocus(Item(IDC_TO_LIST));
    Key(VK_F1);
    ASSERT_EQ(helpUrls.size(), 2u);
    EXPECT_TRUE(helpUrls[1].ends_with(L"#unit"));

    // In a dialog F1 asks for its topic and Esc is the title-bar OK: it stores.
    WhenDialogOpens([&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_DIGIT_GROUPING));
        CheckDlgButton(dialog, IDC_DIGIT_GROUPING, BST_CHECKED);
        for (BYTE key : {BYTE(VK_F1), BYTE(VK_ESCAPE)}) {
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        }
    });
    Command(ID_OPTIONS);
    ASSERT_EQ(helpUrls.size(), 3u);
    EXPECT_TRUE(helpUrls[2].ends_with(L"#options"));
    EXPECT_TRUE(home->record.GroupDigits);
    EXPECT_TRUE(IsWindow(main));

    Key(VK_ESCAPE);  // in the main window it closes the program
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(MainWindowTest, EnterRunsTheKeypadToolsActionInsteadOfClosingThem) {
    Open();
    struct Case { int command, input, output; const wchar_t *typed, *shown; };
    for (const Case& c : {Case{ID_NUMBER_BASE, IDC_BASE_INPUT, IDC_BASE_OUTPUT_1, L"255", L"FF"},
                          Case{ID_PRICE_COMPARISON, IDC_QUANTITY_1, IDC_UNIT_PRICE_1, L"2", L"2.00"}}) {
        std::wstring shown = L"<closed>";
        WhenDialogOpens([&](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_PRICE_1, L"3.99");  // no such field in the base converter
            SetDlgItemTextW(dialog, c.input, c.typed);
            SetFocus(GetDlgItem(dialog, c.input));
            keybd_event(VK_RETURN, 0, 0, 0);
            keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
            WhenDialogOpens([&](HWND still) {
                shown = wintest::Text(GetDlgItem(still, c.output));
                SendMessageW(still, WM_COMMAND, IDOK, 0);
            });
        });
        Command(c.command);
        EXPECT_EQ(shown, c.shown) << c.command;
    }
}
