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

LRESULT Selected(HWND list) { return SendMessageW(list, CB_GETCURSEL, 0, 0); }

}  // namespace

TEST_F(MainWindowTest, ListChangesAndEnterAnywhereConvert) {
    Open();
    SetWindowTextW(Item(IDC_INPUT), L"100");
    ChooseUnit(IDC_TO_LIST, 2);  // Celsius to Kelvin
    EXPECT_EQ(ItemText(IDC_RESULT), L"373.1500");
    ChooseUnit(IDC_FROM_LIST, 2);  // Kelvin to Kelvin
    EXPECT_EQ(ItemText(IDC_RESULT), L"100.0000");
    EXPECT_EQ(GetFocus(), Item(IDC_INPUT));

    for (auto [focus, typed] : {std::pair{IDC_TO_LIST, L"2"}, {IDC_KEY_0 + 7, L"3"}}) {
        SetWindowTextW(Item(IDC_INPUT), typed);
        SetFocus(Item(focus));
        Key(VK_RETURN);
        EXPECT_EQ(ItemText(IDC_RESULT), typed + std::wstring(L".0000"));
    }
}

// Coming back to a category, or restarting, restores its units: Ctrl+Q saves
// those chosen last.
TEST_F(MainWindowTest, CategoriesEmptyTheFieldsAndKeepTheirUnitsAcrossCtrlQAndARestart) {
    Open();
    SetWindowTextW(Item(IDC_INPUT), L"5");
    Click(IDC_CONVERT_BUTTON);
    ASSERT_FALSE(ItemText(IDC_RESULT).empty());
    Command(ID_CATEGORY_FIRST + tv::kLength);
    EXPECT_EQ(ItemText(IDC_INPUT) + ItemText(IDC_RESULT), L"");
    ChooseUnit(IDC_FROM_LIST, 4);
    ChooseUnit(IDC_TO_LIST, 7);
    Command(ID_CATEGORY_FIRST + tv::kVolume);
    EXPECT_EQ(SendMessageW(Item(IDC_FROM_LIST), CB_GETCOUNT, 0, 0), 20);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), DWORD{tv::kVolume});  // every switch saves
    Command(ID_CATEGORY_FIRST + tv::kLength);
    SetFocus(Item(IDC_INPUT));
    Key('Q', true);
    EXPECT_FALSE(IsWindow(main));
    Close();  // as the program ends once its window is gone

    Open();  // a restart: everything read back from the registry
    EXPECT_EQ(window->Category()->Id(), tv::kLength);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)), 4);
    EXPECT_EQ(Selected(Item(IDC_TO_LIST)), 7);
}

// Copy needs a result and Paste text on the clipboard: a copied result
// pastes back whole.
TEST_F(MainWindowTest, EditMenuFollowsTheResultAndTheClipboard) {
    Open();
    EXPECT_TRUE(MenuItemState(main, IDMB_EDIT, ID_COPY) & MF_GRAYED);
    SetWindowTextW(Item(IDC_INPUT), L"7");
    Click(IDC_CONVERT_BUTTON);
    EXPECT_FALSE(MenuItemState(main, IDMB_EDIT, ID_COPY) & MF_GRAYED);
    Command(ID_COPY);
    EXPECT_FALSE(MenuItemState(main, IDMB_EDIT, ID_PASTE) & MF_GRAYED);
    SetWindowTextW(Item(IDC_INPUT), L"");
    Command(ID_PASTE);
    EXPECT_EQ(ItemText(IDC_INPUT), L"7.0000");
    ASSERT_TRUE(OpenClipboard(main));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_TRUE(MenuItemState(main, IDMB_EDIT, ID_PASTE) & MF_GRAYED);
}

// The client area is the screen less the task bar's and the menu bar's 26
// each. The Unit menu checks the category; landscape and square screens give
// it two columns and the keypad one row of 7 8 9 4 5 6 1 2 3 <-.
TEST_F(MainWindowTest, WindowMenuAndKeypadFollowTheScreenShape) {
    for (SIZE screen : {SIZE{240, 320}, SIZE{320, 240}, SIZE{240, 240}}) {
        tv::shell::SetDeviceScreenLogicalSize(screen.cx, screen.cy);
        Open();
        const RECT work = tv::shell::DeviceWorkArea();
        const int scale = tv::shell::LogPixelsY() / 96;
        RECT client;
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, screen.cx * scale);
        EXPECT_EQ(client.bottom, (screen.cy - 52) * scale);
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
        EXPECT_EQ(wintest::Placed(Item(IDC_KEY_0 + 7)).top == wintest::Placed(Item(IDC_KEY_0 + 3)).top, !portrait)
            << screen.cx << "x" << screen.cy;
        Close();
    }
}

// A stored category and decimal count that name nothing. Opening Options
// saves the repaired category; in the dialog F1 asks for its topic and Esc is
// the title-bar OK: it stores, and the result shows it at once. About has no
// help topic; in the main window F1 asks for its own, and Esc ends the program.
TEST_F(MainWindowTest, DamagedSettingsOptionsHelpAboutAndEscape) {
    wintest::StoreDword(tv::kSettingsPath, L"Category", 77);
    wintest::StoreDword(tv::kSettingsPath, L"DeciSize", 9);
    Open();
    ASSERT_NE(window->Category(), nullptr);
    EXPECT_EQ(home->record.Category, tv::kTemperature);
    SetWindowTextW(Item(IDC_INPUT), L"1234");
    Click(IDC_CONVERT_BUTTON);

    DWORD categoryWhileOpen = 77;
    WhenDialogOpens([&](HWND dialog) {
        categoryWhileOpen = StoredDword(tv::kSettingsPath, L"Category");
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_GETCURSEL, 0, 0), 2);  // the default
        SendDlgItemMessageW(dialog, IDC_DECIMAL_PLACES, CB_SETCURSEL, 0, 0);             // (Unlimited)
        SetFocus(GetDlgItem(dialog, IDC_DIGIT_GROUPING));
        CheckDlgButton(dialog, IDC_DIGIT_GROUPING, BST_CHECKED);
        for (BYTE key : {BYTE(VK_F1), BYTE(VK_ESCAPE)}) {
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        }
    });
    Command(ID_OPTIONS);
    EXPECT_EQ(categoryWhileOpen, DWORD{tv::kTemperature});
    EXPECT_EQ(ItemText(IDC_RESULT), L"1,234.00000000");

    WhenDialogOpens([](HWND dialog) {
        SendMessageW(dialog, WM_HELP, 0, 0);
        SendMessageW(dialog, WM_CLOSE, 0, 0);  // the title-bar OK
    });
    Command(ID_ABOUT);
    SetFocus(Item(IDC_TO_LIST));
    Key(VK_F1);
    ASSERT_EQ(helpUrls.size(), 2u);
    EXPECT_TRUE(helpUrls[0].starts_with(L"file:///") && helpUrls[0].ends_with(L"/TallyvanePro.htm#options"))
        << helpUrls[0];
    EXPECT_TRUE(helpUrls[1].ends_with(L"#unit"));
    Key(VK_ESCAPE);
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

// Swap Units, from the Edit menu or Ctrl+R, exchanges the lists in any
// category, converts the input again and is what the category then saves.
TEST_F(MainWindowTest, SwapUnitsExchangesTheListsConvertsAgainAndIsSaved) {
    Open();
    HMENU edit = tv::shell::MenuBarSubMenu(main, IDMB_EDIT);
    wchar_t text[64] = {};
    GetMenuStringW(edit, ID_SWAP_UNITS, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Swap Units\tCtrl+R");
    EXPECT_EQ(MenuItemState(main, IDMB_EDIT, ID_SWAP_UNITS) & MF_GRAYED, 0u);

    SetWindowTextW(Item(IDC_INPUT), L"100");
    ChooseUnit(IDC_TO_LIST, 1);  // C to F
    EXPECT_EQ(ItemText(IDC_RESULT), L"212.0000");
    Command(ID_SWAP_UNITS);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)), 1);
    EXPECT_EQ(Selected(Item(IDC_TO_LIST)), 0);
    EXPECT_EQ(ItemText(IDC_RESULT), L"37.7778");
    SetFocus(Item(IDC_TO_LIST));
    Key('R', true);
    EXPECT_EQ(ItemText(IDC_RESULT), L"212.0000");
    Key('R', true);

    Command(ID_CATEGORY_FIRST + tv::kLength);
    ChooseUnit(IDC_FROM_LIST, 4);
    ChooseUnit(IDC_TO_LIST, 7);
    SetWindowTextW(Item(IDC_INPUT), L"3");
    Command(ID_SWAP_UNITS);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)) * 100 + Selected(Item(IDC_TO_LIST)), 704);
    SetFocus(Item(IDC_INPUT));
    Key('Q', true);
    Close();
    const auto stored = [](const wchar_t* slot) { return wintest::StoredDword(tv::kSelectionPath, slot) & 0xFFFF; };
    EXPECT_EQ(stored(L"C0"), 0x0001u);  // Temperature: F to C
    EXPECT_EQ(stored(L"C2"), 0x0407u);  // Length: swapped, then saved
}
