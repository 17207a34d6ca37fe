// The main window and its keypad, driven through their real controls and menus.
#include <gtest/gtest.h>

#include <vector>

#include "app/keypad_panel.h"
#include "settings/app_settings.h"
#include "tool_dialog_test_support.h"

using namespace wintest;

namespace {

LRESULT Selected(HWND list) { return SendMessageW(list, CB_GETCURSEL, 0, 0); }

}  // namespace

TEST_F(MainWindowTest, ListChangesAndEnterAnywhereConvertAndTheResultCopiesAndPastesBack) {
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
    Command(ID_COPY);  // the result, pasted back whole
    SetWindowTextW(Item(IDC_INPUT), L"");
    Command(ID_PASTE);
    EXPECT_EQ(ItemText(IDC_INPUT), L"3.0000");
}

// Swap Units exchanges the lists in any category and converts again. A
// category switch empties the fields and is saved; coming back to a
// category, or restarting, restores its units: Ctrl+Q saves those chosen
// last, swapped or not.
TEST_F(MainWindowTest, SwapUnitsAndCategoriesKeepTheirUnitsAcrossCtrlQAndARestart) {
    Open();
    EXPECT_EQ(MenuItems(main, IDMB_EDIT, {ID_SWAP_UNITS}), L"Swap Units\tCtrl+R; ");
    SetWindowTextW(Item(IDC_INPUT), L"100");
    ChooseUnit(IDC_TO_LIST, 1);  // C to F
    EXPECT_EQ(ItemText(IDC_RESULT), L"212.0000");
    Command(ID_SWAP_UNITS);
    EXPECT_EQ(Selected(Item(IDC_FROM_LIST)) * 100 + Selected(Item(IDC_TO_LIST)), 100);
    EXPECT_EQ(ItemText(IDC_RESULT), L"37.7778");

    Command(ID_CATEGORY_FIRST + tv::kLength);
    EXPECT_EQ(ItemText(IDC_INPUT) + ItemText(IDC_RESULT), L"");
    ChooseUnit(IDC_FROM_LIST, 4);
    ChooseUnit(IDC_TO_LIST, 7);
    Command(ID_SWAP_UNITS);
    Command(ID_CATEGORY_FIRST + tv::kVolume);
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

// Pressed keys as the user presses them (Tab round every window is the
// accessibility test's): Shift+Tab goes back from the input to Convert and
// Clear; the arrow keys move among the keys; Enter still converts.
TEST_F(MainWindowTest, ShiftTabGoesBackAndArrowsMoveInTheKeypad) {
    Open();
    SetFocus(Item(IDC_INPUT));
    Key(VK_TAB, false, true);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_CONVERT_BUTTON);
    Key(VK_TAB, false, true);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_KEY_CLEAR);
    SetFocus(Item(IDC_KEY_0 + 5));
    Key(VK_RIGHT);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_KEY_0 + 6);
    SetWindowTextW(Item(IDC_INPUT), L"2");
    Key(VK_RETURN);
    EXPECT_NE(ItemText(IDC_RESULT), L"");
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
        Pump(loop, 60);
        return Text(input);
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
    EXPECT_EQ(Text(input), L"");
}

// A key drawn with the focus differs from the same key without it, unless
// the focus rectangle is to be hidden. (The pressed bevel is the tool tests'.)
// Ctrl with Plus, Minus or 0 sizes the program from the main window and from
// a tool's own modal loop, which shows the new size; the Options dialog sets
// it too, and it is there at the next start.
TEST_F(MainWindowTest, ZoomKeysWorkInEveryWindowAndTheSizeIsKeptForTheNextStart) {
    Open();
    const auto press = [&](HWND target, BYTE key) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageW(target, WM_KEYDOWN, key, 0);
    };
    const auto inOptions = [&](BYTE key) {
        WhenDialogOpens([&](HWND d) {
            press(GetFocus(), key);
            PostMessageW(d, WM_CLOSE, 0, 0);
        });
        Command(ID_OPTIONS);
    };
    const std::tuple<const char*, std::function<void()>, int> steps[] = {
        {"Ctrl and the Plus key", [&] { press(Item(IDC_INPUT), VK_OEM_PLUS); }, 125},
        {"Ctrl and the pad's Plus", [&] { press(Item(IDC_FROM_LIST), VK_ADD); }, 150},
        {"Ctrl and the pad's Minus in Options", [&] { inOptions(VK_SUBTRACT); }, 125},
        {"Ctrl and 0 in Options", [&] { inOptions('0'); }, 100},
        {"Ctrl and Minus at the smallest", [&] { press(Item(IDC_INPUT), VK_OEM_MINUS); }, 100},
        {"Size 200 % in Options", [&] {
             WhenDialogOpens([&](HWND d) {
                 SendDlgItemMessageW(d, IDC_ZOOM, CB_SETCURSEL, 3, 0);
                 PostMessageW(d, WM_COMMAND, IDOK, 0);
             });
             Command(ID_OPTIONS);
         }, 200},
    };
    for (const auto& [name, step, zoom] : steps) {
        step();
        Pump(loop);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        EXPECT_EQ(window->Scale().zoom, zoom) << name;
    }
    Close();
    Open();
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Zoom"), 200u);
    EXPECT_EQ(client.right, tv::shell::DeviceScreenSize(window->Scale()).cx);
    EXPECT_EQ(window->Scale().zoom, 200);
}

// The keypad types into its own field, with the field's rules, while another
// program's window is in front: no keys go through the keyboard.
TEST_F(MainWindowTest, TheKeypadTypesIntoItsFieldWhateverWindowIsInFront) {
    Open();
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION other = {};
    wchar_t command[] = L"notepad.exe";
    ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &other));
    WaitForInputIdle(other.hProcess, 10000);
    HWND front = nullptr;
    for (int i = 0; i < 100 && !front; ++i, Sleep(50)) {
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            if (process == other.dwProcessId && IsWindowVisible(w)) front = w;
        }
    }
    SetForegroundWindow(front);
    Pump(loop, 200);
    SendMessageW(Item(IDC_INPUT), EM_SETLIMITTEXT, 4, 0);
    for (int key : {IDC_KEY_0 + 1, IDC_KEY_0 + 2, IDC_KEY_POINT, IDC_KEY_0 + 5, IDC_KEY_BACK, IDC_KEY_0 + 7, IDC_KEY_0 + 9})
        Click(key);
    EXPECT_EQ(ItemText(IDC_INPUT), L"12.7");  // the fifth character over the field's limit
    EXPECT_TRUE(front && GetForegroundWindow() != main);
    TerminateProcess(other.hProcess, 0);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
}

TEST_F(MainWindowTest, AFocusedKeypadKeyShowsItsFocus) {
    Open();
    HWND key = Item(IDC_KEY_0 + 5);
    RECT r;
    GetClientRect(key, &r);
    const auto pixels = [&](UINT state) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(r.right, r.bottom, 1, 32, nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        DRAWITEMSTRUCT item = {ODT_BUTTON, IDC_KEY_0 + 5, 0, ODA_DRAWENTIRE, state, key, dc, r, 0};
        tv::KeypadButton(key).Draw(item);
        std::vector<DWORD> all(r.right * r.bottom);
        GetBitmapBits(bitmap, LONG(all.size() * 4), all.data());
        DeleteObject(SelectObject(dc, old));
        DeleteDC(dc);
        return all;
    };
    EXPECT_NE(pixels(0), pixels(ODS_FOCUS));
    EXPECT_EQ(pixels(0), pixels(ODS_FOCUS | ODS_NOFOCUSRECT));
}
