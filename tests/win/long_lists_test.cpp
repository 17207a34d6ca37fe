// Lists over data files of 70,000 lines, more than 16 bits count (every list
// shares the one virtual list code): all rows in file order, the letter
// strip, typing and the keys that move the selection, the currency found and
// chosen in the last row; Ctrl+C copies nothing from a list. The labels'
// icons are loaded once, not for each paint.
#include <memory>
#include <string>
#include <tuple>

#include "list_test_support.h"
#include "money/currency_picker_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace {

using namespace wintest;

constexpr int kLines = 70000;

// A Countries.dat line: the name padded to 41 characters, then the code.
std::string Country(const std::string& name, const std::string& code) {
    return name + std::string(41 - name.size(), ' ') + code + "\r\n";
}

// The row's two cells, as the list asks for them when it draws the row, joined by "|".
std::wstring Row(HWND list, int row) {
    wchar_t name[64] = {}, code[64] = {};
    ListView_GetItemText(list, row, 0, name, 64);
    ListView_GetItemText(list, row, 1, code, 64);
    return name + (L"|" + std::wstring(code));
}

int Selected(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

// The selected row is on screen, all of it.
bool SelectionInView(HWND list) {
    const int row = Selected(list), top = ListView_GetTopIndex(list);
    return row >= top && row < top + ListView_GetCountPerPage(list);
}

class LongListTest : public DataFolderTest {
protected:
    void TearDown() override {
        dialog.reset();
        DataFolderTest::TearDown();
    }
    // Opens `made` over the file `name` just written with `bytes`.
    HWND Open(const wchar_t* name, const std::string& bytes, std::unique_ptr<tv::ToolDialog> made) {
        Write(name, bytes);
        dialog = std::move(made);
        HWND window = dialog->CreateModeless(nullptr);
        EXPECT_NE(window, nullptr);
        return window;
    }
    void Tap(HWND strip, int cell) {
        RECT r;
        GetClientRect(strip, &r);
        SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(cell * (r.right / 9) + 1, r.bottom / 2));
        Pump(loop);
    }
    // "kept" on the clipboard, Ctrl+C typed on the focused list as a user
    // types it; what the clipboard then holds.
    std::wstring ClipboardAfterCtrlC(HWND window) {
        OpenClipboard(nullptr);
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"kept");
        lstrcpyW(static_cast<wchar_t*>(GlobalLock(memory)), L"kept");
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SetForegroundWindow(window);
        const std::pair<BYTE, DWORD> keys[] = {{VK_CONTROL, 0}, {'C', 0}, {'C', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
        for (const auto [key, up] : keys) keybd_event(key, 0, up, 0);
        Pump(loop, 150);
        OpenClipboard(nullptr);
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const std::wstring text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"(no text)";
        if (data) GlobalUnlock(data);
        CloseClipboard();
        return text;
    }
    tv::MessageLoop loop;
    std::unique_ptr<tv::ToolDialog> dialog;
};

}  // namespace

// Bravo 0 to 39999, Delta 40000 to 69998, Echo 69999, each with its
// number's last three digits as its code: every row in file order; the strip
// steps from Bravo to Delta to Echo and round to Delta again, each time with
// the row in view; typing finds the rows that begin with what is typed;
// Home, End, the arrows and Page Down move the selection; Ctrl+C leaves the
// clipboard as it was.
TEST_F(LongListTest, DialingCodesShowEveryRowAndTheStripTypingAndKeysReachAnyOfThem) {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        text += Country((i < 40000 ? "Bravo " : i < kLines - 1 ? "Delta " : "Echo ") + std::to_string(i),
                        std::to_string(i % 1000));
    }
    HWND window = Open(L"Countries.dat", text, std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    HWND strip = FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr);
    ASSERT_EQ(Rows(list), kLines);
    LOGFONTW shape = {};  // the strip's font: Tahoma at 8 points for the screen
    GetObjectW(HFONT(SendMessageW(strip, WM_GETFONT, 0, 0)), sizeof shape, &shape);
    EXPECT_EQ(std::wstring(shape.lfFaceName) + L" " + std::to_wstring(shape.lfHeight),
              L"Tahoma " + std::to_wstring(-int(tv::shell::LogPixelsY() * 80 / 720.0 + 0.5)));
    EXPECT_EQ(Row(list, 0) + L" " + Row(list, 40000) + L" " + Row(list, 69999), L"Bravo 0|0 Delta 40000|0 Echo 69999|999");
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 69998).first, LRESULT(CDRF_NEWFONT));  // even rows striped to the end
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 69999).first, LRESULT(CDRF_DODEFAULT));

    EXPECT_EQ(Selected(list), 0);
    // Tapped (t) on "cde" or "xyz", typed at once (c) or after a pause (p), a
    // key (k): the row then selected (-1: any), in view.
    const std::tuple<char, UINT, int> steps[] = {
        {'t', 1, 40000}, {'t', 1, 69999}, {'t', 1, 40000}, {'t', 8, 40000},  // round to Delta; nothing begins "xyz"
        {'c', L'e', 69999}, {'p', L'B', 0},                                  // a new search, on from the next row, round
        {'p', L'd', 40000}, {'c', L'e', 40000},                              // "de"
        {'k', VK_END, 69999}, {'k', VK_UP, 69998}, {'k', VK_HOME, 0}, {'k', VK_DOWN, 1}, {'k', VK_NEXT, -1},
    };
    for (const auto [how, what, row] : steps) {
        if (how == 'p') Sleep(600);
        if (how == 't') Tap(strip, int(what));
        else SendMessageW(list, how == 'k' ? WM_KEYDOWN : WM_CHAR, what, how == 'k' ? 0 : 1);
        if (row >= 0) EXPECT_EQ(Selected(list), row) << how << what;
        EXPECT_TRUE(SelectionInView(list)) << how << what;
        EXPECT_EQ(GetFocus(), list);
    }
    EXPECT_GT(Selected(list), 1);  // a page down
    EXPECT_EQ(ClipboardAfterCtrlC(window), L"kept");
    EXPECT_GT(Selected(list), 1);  // Ctrl+C typed nothing to search for
}

// The picker finds the code in the last row, whatever its case, and hands
// back that row's code.
TEST_F(LongListTest, ThePickerFindsAndGivesTheCodeOfTheLastRow) {
    std::string text;
    for (int i = 0; i < kLines - 1; ++i) text += "C" + std::to_string(i % 100) + "\tCurrency " + std::to_string(i) + "\r\n";
    auto made = std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"zzz",
                                                          folder + L"CurrencyCode.dat");
    tv::CurrencyPickerDialog& picker = *made;
    HWND window = Open(L"CurrencyCode.dat", text + "ZZZ\tThe last one\r\n", std::move(made));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Selected(list), kLines - 1);
    EXPECT_TRUE(SelectionInView(list));
    EXPECT_EQ(Row(list, kLines - 1), L"ZZZ|The last one");
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(picker.Code(), L"ZZZ");
}

// An icon is loaded once and kept: asked again it is the same one, and it
// is destroyed once cleared. An icon the library lacks is none, as is any
// without a library.
TEST_F(LongListTest, LabelIconsAreLoadedOnceAndDestroyedWhenCleared) {
    const tv::OwnedModule library(LoadLibraryExW(tv::DataFilePath(L"test_label_icons.dll").c_str(), nullptr,
                                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(library);
    tv::LabelIcons icons(library.Get());
    HICON red = icons.Get(130);
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(icons.Get(130), red);
    EXPECT_NE(icons.Get(131), red);
    EXPECT_EQ(icons.Get(999), nullptr);
    icons.Clear();
    EXPECT_FALSE(DestroyIcon(red));  // already destroyed
    EXPECT_EQ(tv::LabelIcons().Get(130), nullptr);
}
