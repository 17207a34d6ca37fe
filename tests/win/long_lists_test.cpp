// Every list over data files of 70,000 lines, more than 16 bits count: all
// rows in file order, the letter strip, typing and the keys that move the
// selection, the currency found and chosen, the tax tables and care labels
// drawn to the last row; Ctrl+C copies nothing from a list. The labels'
// icons are loaded once, not for each paint.
#include <memory>
#include <string>

#include "list_test_support.h"
#include "money/currency_picker_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "resources/resource_ids.h"

namespace {

using namespace wintest;

constexpr int kLines = 70000;

// A Countries.dat line: the name padded to 41 characters, then the code.
std::string Country(const std::string& name, const std::string& code) {
    return name + std::string(41 - name.size(), ' ') + code + "\r\n";
}

// Every cell of the row, as the list asks for them when it draws the row,
// joined by "|"; the row -1: the column titles.
std::wstring Row(HWND list, int row) {
    std::wstring cells;
    wchar_t text[64] = {};
    LVCOLUMNW column = {LVCF_TEXT, 0, 0, text, 64};
    for (int c = 0; ListView_GetColumn(list, c, &column); ++c) {
        if (row >= 0) ListView_GetItemText(list, row, c, text, 64);
        cells += (c ? L"|" : L"") + std::wstring(text);
    }
    return cells;
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
        Pump();
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // "kept" on the clipboard, Ctrl+C typed on the focused list as a user
    // types it; what the clipboard then holds.
    static std::wstring ClipboardAfterCtrlC(HWND window) {
        OpenClipboard(nullptr);
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"kept");
        lstrcpyW(static_cast<wchar_t*>(GlobalLock(memory)), L"kept");
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SetForegroundWindow(window);
        keybd_event(VK_CONTROL, 0, 0, 0);
        keybd_event('C', 0, 0, 0);
        keybd_event('C', 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        for (const DWORD end = GetTickCount() + 150; static_cast<int>(end - GetTickCount()) > 0; Sleep(5)) Pump();
        std::wstring text = L"(no text)";
        if (!OpenClipboard(nullptr)) return L"(busy)";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
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
    EXPECT_EQ(Row(list, 0) + L" " + Row(list, 40000) + L" " + Row(list, 69999), L"Bravo 0|0 Delta 40000|0 Echo 69999|999");
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 69998).first, LRESULT(CDRF_NEWFONT));  // even rows striped to the end
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 69999).first, LRESULT(CDRF_DODEFAULT));

    EXPECT_EQ(Selected(list), 0);
    for (int expected : {40000, 69999, 40000}) {
        Tap(strip, 1);  // "cde"
        EXPECT_EQ(Selected(list), expected);
        EXPECT_TRUE(SelectionInView(list)) << expected;
        EXPECT_EQ(GetFocus(), list);
    }
    Tap(strip, 8);  // "xyz": nothing begins so, the selection stays
    EXPECT_EQ(Selected(list), 40000);

    SendMessageW(list, WM_CHAR, L'e', 1);
    EXPECT_EQ(Selected(list), 69999);
    Sleep(600);                            // a new search, not "eb"
    SendMessageW(list, WM_CHAR, L'B', 1);  // on from the row after, round from the top
    EXPECT_EQ(Selected(list), 0);
    Sleep(600);
    SendMessageW(list, WM_CHAR, L'd', 1);
    SendMessageW(list, WM_CHAR, L'e', 1);  // at once: "de"
    EXPECT_EQ(Selected(list), 40000);

    const std::pair<UINT, int> keys[] = {{VK_END, 69999}, {VK_UP, 69998}, {VK_HOME, 0}, {VK_DOWN, 1}, {VK_NEXT, -1}};
    for (const auto [key, row] : keys) {
        SendMessageW(list, WM_KEYDOWN, key, 0);
        SendMessageW(list, WM_KEYUP, key, 0);
        if (row >= 0) EXPECT_EQ(Selected(list), row) << key;
        EXPECT_TRUE(SelectionInView(list)) << key;
    }
    EXPECT_GT(Selected(list), 1);  // a page down
    SetFocus(list);
    EXPECT_EQ(ClipboardAfterCtrlC(window), L"kept");
    EXPECT_GT(Selected(list), 1);  // Ctrl+C typed nothing to search for
}

// City areas: three fields a row to the last, nothing selected at first,
// and the strip's first tap searches from the group's first letter.
TEST_F(LongListTest, CityAreasShowEveryRowAndOpenWithNothingSelected) {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        text += (i == 66666 ? "Cork" : "Oslo") + std::to_string(i) + "\tRegion " + std::to_string(i % 7) + "\t" +
                std::to_string(i) + "\n";
    }
    HWND window = Open(L"CityArea.dat", text, std::make_unique<tv::CityAreaCodesDialog>(folder + L"CityArea.dat"));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Row(list, 69999), L"Oslo69999|Region 6|69999");
    EXPECT_EQ(Selected(list), -1);
    Tap(FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr), 1);
    EXPECT_EQ(Selected(list), 66666);
    EXPECT_TRUE(SelectionInView(list));
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

// Each region's table to its last row, its titles from the file, and typing
// finds a row there too; Ctrl+C copies nothing.
TEST_F(LongListTest, SalesTaxTablesShowEveryRowOfEachRegion) {
    std::string canada = "Province\tGST\tPST\tHST\r\n", usa = "State\tRate\r\n";
    for (int i = 0; i < kLines; ++i) {
        canada += (i == 69000 ? "Yukon " : "Ontario ") + std::to_string(i) + "\t5%\t" + std::to_string(i % 10) + "%\t\r\n";
        usa += "State " + std::to_string(i) + "\t" + std::to_string(i % 9) + ".5%\r\n";
    }
    Write(L"UsaVat.dat", usa);
    HWND window = Open(L"CanVat.dat", canada, std::make_unique<tv::SalesTaxDialog>(folder));
    HWND list = GetDlgItem(window, IDC_LIST_TOOL_TABLE);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Row(list, -1) + L" " + Row(list, 0), L"Province|GST|PST|HST Ontario 0|5%|0%|");
    EXPECT_EQ(Row(list, 69999), L"Ontario 69999|5%|9%|");
    SetFocus(list);
    SendMessageW(list, WM_CHAR, L'y', 1);
    EXPECT_EQ(Selected(list), 69000);
    EXPECT_TRUE(SelectionInView(list));
    EXPECT_EQ(ClipboardAfterCtrlC(window), L"kept");

    HWND choice = GetDlgItem(window, IDC_LIST_TOOL_CHOICE);
    SendMessageW(choice, CB_SETCURSEL, 1, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(choice));
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Selected(list), -1);
    EXPECT_EQ(Row(list, -1) + L" " + Row(list, 69999), L"State|Rate State 69999|6.5%");
}

// Seventy thousand labels, grouped as the file says; the last one draws its
// icons when scrolled to; typing finds no row, every text being empty.
TEST_F(LongListTest, CareLabelsListEveryLabelAndDrawTheLastOne) {
    ASSERT_TRUE(CopyFileW(tv::DataFilePath(L"test_label_icons.dll").c_str(), (folder + L"wLabels.dll").c_str(), FALSE));
    std::string text = "  0  0Washing\r\n";
    for (int i = 0; i < kLines - 1; ++i) {
        if (i == 30000) text += "  1  0Drying\r\n";
        text += i == kLines - 2 ? "131130Blue then red\r\n" : "130  0Wash " + std::to_string(i) + "\r\n";
    }
    HWND window = Open(L"wLabels.dat", text, std::make_unique<tv::CareLabelsDialog>(folder));
    HWND list = GetDlgItem(window, IDC_LIST_TOOL_TABLE);
    ASSERT_EQ(Rows(list), kLines - 1);
    HWND choice = GetDlgItem(window, IDC_LIST_TOOL_CHOICE);
    SendMessageW(choice, CB_SETCURSEL, 2, 0);  // Drying
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(choice));
    ASSERT_EQ(Rows(list), kLines - 1 - 30000);
    SetFocus(list);
    SendMessageW(list, WM_CHAR, L'w', 1);
    EXPECT_EQ(Selected(list), -1);

    const int last = Rows(list) - 1;
    ListView_EnsureVisible(list, last, FALSE);
    RECT r;
    ListView_GetItemRect(list, last, &r, LVIR_BOUNDS);
    const int s = tv::shell::LogPixelsX() / 96, icon = GetSystemMetrics(SM_CXICON);
    const int x = r.left + s + icon / 2, y = r.top + s + icon / 2;
    EXPECT_EQ(Painted(list, {{x, y}, {x + icon + 2 * s, y}}), (std::vector<COLORREF>{RGB(0, 0, 255), RGB(255, 0, 0)}));
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

// The strip draws with Tahoma at 8 points for the screen. (That it makes its
// font once and deletes it is the long use test's: a dialing code list opens
// and paints there again and again, and no GDI object may be left.)
TEST_F(LongListTest, TheLetterStripDrawsWithTahomaAtEightPoints) {
    HWND window = Open(L"Countries.dat", Country("Zambia", "260"),
                       std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"));
    HWND strip = FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr);
    LOGFONTW shape = {};
    ASSERT_EQ(GetObjectW(HFONT(SendMessageW(strip, WM_GETFONT, 0, 0)), sizeof shape, &shape), int(sizeof shape));
    EXPECT_EQ(std::wstring(shape.lfFaceName) + L" " + std::to_wstring(shape.lfHeight),
              L"Tahoma " + std::to_wstring(-int(tv::shell::LogPixelsY() * 80 / 720.0 + 0.5)));
}
