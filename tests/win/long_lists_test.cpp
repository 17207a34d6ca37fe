// Every list over data files of 100,000 lines: all rows in file order, the
// letter strip, typing and the keys that move the selection, the currency
// found and chosen, the tax tables and care labels drawn to the last row;
// Ctrl+C copies nothing from a list. The strip's font and the labels' icons
// are made once, not for each paint.
#include <memory>
#include <string>
#include <tuple>

#include "list_test_support.h"
#include "money/currency_picker_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "resources/resource_ids.h"

namespace {

using namespace wintest;

constexpr int kLines = 100000;

// A Countries.dat line: the name padded to 41 characters, then the code.
std::string Country(const std::string& name, const std::string& code) {
    return name + std::string(41 - name.size(), ' ') + code + "\r\n";
}

// Bravo 0 to Bravo 59999, Delta 60000 to Delta 99998, Echo 99999, each
// with its number's last three digits as its code.
std::string Countries() {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        const char* name = i < 60000 ? "Bravo " : i < kLines - 1 ? "Delta " : "Echo ";
        text += Country(name + std::to_string(i), std::to_string(i % 1000));
    }
    return text;
}

std::wstring Cell(HWND list, int row, int column) {
    wchar_t text[260] = {};
    ListView_GetItemText(list, row, column, text, 260);
    return text;
}

// Every cell of one row, as the list asks for them when it draws the row.
Texts RowOf(HWND list, int row) {
    Texts cells;
    const int columns = Header_GetItemCount(ListView_GetHeader(list));
    for (int column = 0; column < columns; ++column) cells.push_back(Cell(list, row, column));
    return cells;
}

Texts Titles(HWND list) {
    Texts titles;
    wchar_t text[64];
    LVCOLUMNW column = {LVCF_TEXT, 0, 0, text, 64};
    while (ListView_GetColumn(list, static_cast<int>(titles.size()), &column)) titles.push_back(text);
    return titles;
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
    // Ctrl and `key` pressed on the focused control, as a user types them.
    static void PressWithControl(HWND window, BYTE key) {
        SetForegroundWindow(window);
        keybd_event(VK_CONTROL, 0, 0, 0);
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        for (const DWORD end = GetTickCount() + 150; static_cast<int>(end - GetTickCount()) > 0; Sleep(5)) Pump();
    }
    static void SetClipboard(const std::wstring& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        lstrcpyW(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    static std::wstring Clipboard() {
        std::wstring text = L"(no text)";
        if (!OpenClipboard(nullptr)) return L"(busy)";
        if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(memory));
            GlobalUnlock(memory);
        }
        CloseClipboard();
        return text;
    }
    std::unique_ptr<tv::ToolDialog> dialog;
};

}  // namespace

// Every row in file order; the strip steps from Bravo to Delta to Echo and
// round to Delta again, each time with the row in view; typing a letter or
// two finds the rows that begin with them; Home, End and the arrows move
// the selection; Ctrl+C leaves the clipboard as it was.
TEST_F(LongListTest, DialingCodesShowEveryRowAndTheStripTypingAndKeysReachAnyOfThem) {
    HWND window = Open(L"Countries.dat", Countries(),
                       std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    HWND strip = FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr);
    ASSERT_EQ(Rows(list), kLines);
    for (const auto& [row, name, code] : {std::tuple{0, L"Bravo 0", L"0"}, {50000, L"Bravo 50000", L"0"},
                                          {60000, L"Delta 60000", L"0"}, {99999, L"Echo 99999", L"999"}}) {
        EXPECT_EQ(Cell(list, row, 0) + L"|" + Cell(list, row, 1), std::wstring(name) + L"|" + code);
    }
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 99998).first, LRESULT(CDRF_NEWFONT));  // even rows striped to the end
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 99999).first, LRESULT(CDRF_DODEFAULT));

    EXPECT_EQ(Selected(list), 0);
    for (int expected : {60000, 99999, 60000}) {
        Tap(strip, 1);  // "cde"
        EXPECT_EQ(Selected(list), expected);
        EXPECT_TRUE(SelectionInView(list)) << expected;
        EXPECT_EQ(GetFocus(), list);
    }
    Tap(strip, 8);  // "xyz": nothing begins so, the selection stays
    EXPECT_EQ(Selected(list), 60000);

    SendMessageW(list, WM_CHAR, L'e', 1);
    EXPECT_EQ(Selected(list), 99999);
    Sleep(600);  // a new search, not "eb"
    SendMessageW(list, WM_CHAR, L'B', 1);  // on from the row after, round from the top
    EXPECT_EQ(Selected(list), 0);
    Sleep(600);
    SendMessageW(list, WM_CHAR, L'd', 1);
    SendMessageW(list, WM_CHAR, L'e', 1);  // at once: "de"
    EXPECT_EQ(Selected(list), 60000);

    const std::pair<UINT, int> keys[] = {{VK_END, 99999}, {VK_UP, 99998}, {VK_HOME, 0}, {VK_DOWN, 1}};
    for (const auto [key, row] : keys) {
        SendMessageW(list, WM_KEYDOWN, key, 0);
        SendMessageW(list, WM_KEYUP, key, 0);
        EXPECT_EQ(Selected(list), row) << key;
        EXPECT_TRUE(SelectionInView(list)) << key;
    }
    SendMessageW(list, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_GT(Selected(list), 1);

    SetClipboard(L"before");
    SetFocus(list);
    PressWithControl(window, 'C');
    EXPECT_EQ(Clipboard(), L"before");
    EXPECT_GT(Selected(list), 1);  // Ctrl+C typed nothing to search for
}

// City areas: three fields a row to the last, nothing selected at first,
// and the strip's first tap searches from the group's first letter.
TEST_F(LongListTest, CityAreasShowEveryRowAndOpenWithNothingSelected) {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        text += (i == 77777 ? "Cork" : "Oslo") + std::to_string(i) + "\tRegion " + std::to_string(i % 7) + "\t" +
                std::to_string(i) + "\n";
    }
    HWND window = Open(L"CityArea.dat", text, std::make_unique<tv::CityAreaCodesDialog>(folder + L"CityArea.dat"));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(RowOf(list, 99999), (Texts{L"Oslo99999", L"Region " + std::to_wstring(99999 % 7), L"99999"}));
    EXPECT_EQ(Cell(list, 0, 0) + Cell(list, 50000, 1) + Cell(list, 77777, 0), L"Oslo0Region 6Cork77777");
    EXPECT_EQ(Selected(list), -1);
    Tap(FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr), 1);
    EXPECT_EQ(Selected(list), 77777);
    EXPECT_TRUE(SelectionInView(list));
}

// The picker finds the code in the last row, whatever its case, and hands
// back that row's code.
TEST_F(LongListTest, ThePickerFindsAndGivesTheCodeOfTheLastRow) {
    std::string text;
    for (int i = 0; i < kLines - 1; ++i) text += "C" + std::to_string(i % 100) + "\tCurrency " + std::to_string(i) + "\r\n";
    text += "ZZZ\tThe last one\r\n";
    auto made = std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"zzz",
                                                          folder + L"CurrencyCode.dat");
    tv::CurrencyPickerDialog& picker = *made;
    HWND window = Open(L"CurrencyCode.dat", text, std::move(made));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Selected(list), kLines - 1);
    EXPECT_TRUE(SelectionInView(list));
    EXPECT_EQ(Cell(list, kLines - 1, 1), L"The last one");
    EXPECT_EQ(Cell(list, 12345, 0) + L" " + Cell(list, 12345, 1), L"C45 Currency 12345");
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(picker.Code(), L"ZZZ");
}

// Each region's table to its last row, its titles from the file, and typing
// finds a row there too; Ctrl+C copies nothing.
TEST_F(LongListTest, SalesTaxTablesShowEveryRowOfEachRegion) {
    std::string canada = "Province\tGST\tPST\tHST\r\n", usa = "State\tRate\r\n";
    for (int i = 0; i < kLines; ++i) {
        canada += (i == 99000 ? "Yukon " : "Ontario ") + std::to_string(i) + "\t5%\t" + std::to_string(i % 10) + "%\t\r\n";
        usa += "State " + std::to_string(i) + "\t" + std::to_string(i % 9) + ".5%\r\n";
    }
    Write(L"UsaVat.dat", usa);
    HWND window = Open(L"CanVat.dat", canada, std::make_unique<tv::SalesTaxDialog>(folder));
    HWND list = GetDlgItem(window, IDC_LIST_TOOL_TABLE);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Titles(list), (Texts{L"Province", L"GST", L"PST", L"HST"}));
    EXPECT_EQ(RowOf(list, 0), (Texts{L"Ontario 0", L"5%", L"0%", L""}));
    EXPECT_EQ(RowOf(list, 99999), (Texts{L"Ontario 99999", L"5%", L"9%", L""}));
    SetFocus(list);
    SendMessageW(list, WM_CHAR, L'y', 1);
    EXPECT_EQ(Selected(list), 99000);
    EXPECT_TRUE(SelectionInView(list));
    SetClipboard(L"kept");
    PressWithControl(window, 'C');
    EXPECT_EQ(Clipboard(), L"kept");

    HWND choice = GetDlgItem(window, IDC_LIST_TOOL_CHOICE);
    SendMessageW(choice, CB_SETCURSEL, 1, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(choice));
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Selected(list), -1);
    EXPECT_EQ(Titles(list), (Texts{L"State", L"Rate"}));
    EXPECT_EQ(RowOf(list, 0), (Texts{L"State 0", L"0.5%"}));
    EXPECT_EQ(Cell(list, 54321, 0) + L" " + Cell(list, 54321, 1), L"State 54321 6.5%");
}

// A hundred thousand labels, grouped as the file says; the last one draws
// its icons when scrolled to; typing finds no row, every text being empty.
TEST_F(LongListTest, CareLabelsListEveryLabelAndDrawTheLastOne) {
    ASSERT_TRUE(CopyFileW(tv::DataFilePath(L"test_label_icons.dll").c_str(), (folder + L"wLabels.dll").c_str(), FALSE));
    std::string text = "  0  0Washing\r\n";
    for (int i = 0; i < kLines - 1; ++i) {
        if (i == 50000) text += "  1  0Drying\r\n";
        text += i == kLines - 2 ? "131130Blue then red\r\n" : "130  0Wash " + std::to_string(i) + "\r\n";
    }
    HWND window = Open(L"wLabels.dat", text, std::make_unique<tv::CareLabelsDialog>(folder));
    HWND list = GetDlgItem(window, IDC_LIST_TOOL_TABLE);
    ASSERT_EQ(Rows(list), kLines - 1);
    HWND choice = GetDlgItem(window, IDC_LIST_TOOL_CHOICE);
    SendMessageW(choice, CB_SETCURSEL, 2, 0);  // Drying
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(choice));
    ASSERT_EQ(Rows(list), kLines - 1 - 50000);
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
    ICONINFO info = {};
    ASSERT_TRUE(red && GetIconInfo(red, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(icons.Get(130), red);
    EXPECT_NE(icons.Get(131), red);
    EXPECT_EQ(icons.Get(999), nullptr);
    EXPECT_EQ(icons.Get(999), nullptr);
    icons.Clear();
    EXPECT_FALSE(DestroyIcon(red));  // already destroyed
    EXPECT_EQ(tv::LabelIcons().Get(130), nullptr);
}

// The strip draws with one font from its making to its end, Tahoma at 8
// points for the screen, and deletes it as it goes.
TEST_F(LongListTest, TheLetterStripMakesItsFontOnceAndDeletesItWhenItGoes) {
    HWND window = Open(L"Countries.dat", Country("Zambia", "260"),
                       std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"));
    HWND strip = FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(strip, WM_GETFONT, 0, 0));
    LOGFONTW shape = {};
    ASSERT_EQ(GetObjectW(font, sizeof shape, &shape), int(sizeof shape));
    EXPECT_EQ(std::wstring(shape.lfFaceName), L"Tahoma");
    EXPECT_EQ(shape.lfHeight, -static_cast<int>(tv::shell::LogPixelsY() * 80 / 720.0 + 0.5));
    for (int paint = 0; paint < 3; ++paint) {
        RedrawWindow(strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(strip, WM_GETFONT, 0, 0)), font);
    }
    dialog.reset();
    EXPECT_EQ(GetObjectType(font), 0u);
}
