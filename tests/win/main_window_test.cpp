// The main window and its keypad, driven through their real controls and menus.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/keypad_panel.h"
#include "settings/app_settings.h"
#include "window_test_support.h"

using wintest::MainWindowTest;
using wintest::StoredDword;

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

// Swap Units, from the Edit menu or Ctrl+R, exchanges the lists in any
// category and converts again. A category switch empties the fields and is
// saved; coming back to a category, or restarting, restores its units: Ctrl+Q
// saves those chosen last, swapped or not.
TEST_F(MainWindowTest, SwapUnitsAndCategoriesKeepTheirUnitsAcrossCtrlQAndARestart) {
    Open();
    EXPECT_EQ(MenuItemState(main, IDMB_EDIT, ID_SWAP_UNITS) & MF_GRAYED, 0u);
    SetWindowTextW(Item(IDC_INPUT), L"100");
    ChooseUnit(IDC_TO_LIST, 1);  // C to F
    EXPECT_EQ(ItemText(IDC_RESULT), L"212.0000");
    Command(ID_SWAP_UNITS);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)) * 100 + Selected(Item(IDC_TO_LIST)), 100);
    EXPECT_EQ(ItemText(IDC_RESULT), L"37.7778");
    SetFocus(Item(IDC_TO_LIST));
    Key('R', true);
    EXPECT_EQ(ItemText(IDC_RESULT), L"212.0000");
    Key('R', true);

    Command(ID_CATEGORY_FIRST + tv::kLength);
    EXPECT_EQ(ItemText(IDC_INPUT) + ItemText(IDC_RESULT), L"");
    ChooseUnit(IDC_FROM_LIST, 4);
    ChooseUnit(IDC_TO_LIST, 7);
    Command(ID_SWAP_UNITS);
    Command(ID_CATEGORY_FIRST + tv::kVolume);
    EXPECT_EQ(SendMessageW(Item(IDC_FROM_LIST), CB_GETCOUNT, 0, 0), 20);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), DWORD{tv::kVolume});  // every switch saves
    Command(ID_CATEGORY_FIRST + tv::kLength);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)) * 100 + Selected(Item(IDC_TO_LIST)), 704);
    SetFocus(Item(IDC_INPUT));
    Key('Q', true);
    EXPECT_FALSE(IsWindow(main));
    Close();  // as the program ends once its window is gone
    const auto stored = [](const wchar_t* slot) { return StoredDword(tv::kSelectionPath, slot) & 0xFFFF; };
    EXPECT_EQ(stored(L"C0"), 0x0001u);  // Temperature: F to C
    EXPECT_EQ(stored(L"C2"), 0x0407u);  // Length: swapped, then saved

    Open();  // a restart: everything read back from the registry
    EXPECT_EQ(window->Category()->Id(), tv::kLength);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)) * 100 + Selected(Item(IDC_TO_LIST)), 704);
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
        POINT origin = {0, 0};
        ClientToScreen(main, &origin);
        EXPECT_EQ(std::tuple(client.right, client.bottom, origin.x, origin.y),
                  std::tuple(screen.cx * scale, (screen.cy - 52) * scale, work.left, work.top));
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

// Keys edit at the caret of the edit focused last, which the read-only result
// can be: it refuses them. Minus prefixes a sign each time, the caret after
// the text, until the edit is full; Clear empties it.
TEST_F(MainWindowTest, KeypadKeysEditAtTheCaretOfTheLastFocusedEdit) {
    Open();
    HWND input = Item(IDC_INPUT);
    // Taps `key`, the input first holding `text` with the caret at `caret`;
    // the input's text after. A key's events reach the focused edit only in
    // the foreground.
    const auto tap = [&](int key, const wchar_t* text = nullptr, int caret = 99) {
        if (text) {
            SetWindowTextW(input, text);
            SendMessageW(input, EM_SETSEL, caret, caret);
            SetFocus(input);
        }
        SetForegroundWindow(main);
        Click(key);
        wintest::Pump(loop, 60);
        return wintest::Text(input);
    };
    SetWindowTextW(input, L"4");
    SetFocus(Item(IDC_RESULT));
    EXPECT_EQ(tap(IDC_KEY_0 + 2), L"4");
    EXPECT_EQ(ItemText(IDC_RESULT), L"");
    EXPECT_EQ(tap(IDC_KEY_0 + 7, L"12"), L"127");
    EXPECT_EQ(tap(IDC_KEY_POINT), L"127.");
    EXPECT_EQ(tap(IDC_KEY_0, L"15", 1), L"105");
    EXPECT_EQ(tap(IDC_KEY_BACK, L"123", 2), L"13");
    EXPECT_EQ(tap(IDC_KEY_MINUS, L"5"), L"-5");
    tap(IDC_KEY_MINUS);
    EXPECT_EQ(tap(IDC_KEY_0 + 1), L"--51");
    const std::wstring full = std::wstring(47, L'9') + L"1";  // the input takes 48
    EXPECT_EQ(tap(IDC_KEY_0 + 1, full.substr(0, 47).c_str()), full);
    EXPECT_EQ(tap(IDC_KEY_MINUS), full);  // no room for the sign: a beep, no change
    SendMessageW(Item(IDC_KEY_CLEAR), BM_CLICK, 0, 0);  // at once: no key events to wait for
    EXPECT_EQ(wintest::Text(input), L"");
}

// A key drawn with the focus differs from the same key without it, inside
// its bevel; pressed, its edges swap.
TEST_F(MainWindowTest, AFocusedKeypadKeyShowsItsFocus) {
    Open();
    HWND key = Item(IDC_KEY_0 + 5);
    RECT r;
    GetClientRect(key, &r);
    const auto pixels = [&](UINT state) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, CreateBitmap(r.right, r.bottom, 1, 32, nullptr));
        DRAWITEMSTRUCT item = {ODT_BUTTON, IDC_KEY_0 + 5, 0, ODA_DRAWENTIRE, state, key, dc, r, 0};
        tv::KeypadButton(key).Draw(item);
        std::vector<COLORREF> all;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) all.push_back(GetPixel(dc, x, y));
        DeleteObject(SelectObject(dc, old));
        DeleteDC(dc);
        return all;
    };
    const auto plain = pixels(0), focused = pixels(ODS_FOCUS), pressed = pixels(ODS_SELECTED);
    EXPECT_NE(plain, focused);
    EXPECT_EQ(plain, pixels(ODS_FOCUS | ODS_NOFOCUSRECT));
    EXPECT_NE(plain[0], pressed[0]);  // the top-left edge goes dark
}

// A window of the program's class that some other code creates, without the
// frame object, is a plain window: nothing dereferences the missing object.
TEST_F(MainWindowTest, AWindowOfTheClassWithoutItsObjectIsAPlainWindow) {
    Open();  // the class is registered
    HWND stray = CreateWindowExW(0, tv::AppFrame::kClassName, L"stray", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(stray, nullptr);
    SendMessageW(stray, WM_COMMAND, ID_ABOUT, 0);
    SendMessageW(stray, WM_PAINT, 0, 0);
    EXPECT_TRUE(DestroyWindow(stray));
    EXPECT_TRUE(IsWindow(main));
}
