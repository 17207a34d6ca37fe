// The list tools driven as a user would: clothing size tables, sales tax
// rates, care labels, and the code lists searched by the letter strip under
// them, over data files of 70,000 lines (more than 16 bits count; every list
// shares the one virtual list code).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/sales_tax_dialog.h"
#include "tool_dialog_test_support.h"
#include "tools/clothing_sizes.h"
#include "tools/clothing_sizes_dialog.h"

namespace {

using namespace wintest;
using Texts = std::vector<std::wstring>;
using Table = std::vector<Texts>;  // the column titles, then each row's cells

int Rows(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
int Selected(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

std::wstring Cell(HWND list, int row, int column) {
    wchar_t text[256] = {};
    ListView_GetItemText(list, row, column, text, 256);
    return text;
}

// Every text the list view shows, each cell asked for as it asks.
Table Shown(HWND list) {
    wchar_t text[256];
    LVCOLUMNW column = {LVCF_TEXT, 0, 0, text, 256};
    Table shown(1);
    while (ListView_GetColumn(list, shown[0].size(), &column)) shown[0].push_back(text);
    for (int row = 0; row < Rows(list); ++row) {
        shown.emplace_back();
        for (size_t c = 0; c < shown[0].size(); ++c) shown.back().push_back(Cell(list, row, int(c)));
    }
    return shown;
}

// What custom drawing answers at `stage` for `row`, and the background it sets.
std::pair<LRESULT, COLORREF> Draw(HWND list, DWORD stage, int row) {
    NMLVCUSTOMDRAW draw = {{{list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), UINT(NM_CUSTOMDRAW)}, stage}};
    draw.nmcd.dwItemSpec = row;
    draw.clrTextBk = CLR_DEFAULT;
    SendMessageW(GetParent(list), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
    return {GetWindowLongPtrW(GetParent(list), DWLP_MSGRESULT), draw.clrTextBk};
}

class ListToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        tv::StartControls(GetModuleHandleW(nullptr));
        tv::shell::SetDeviceScreenLogicalSize(240, 320);
        std::filesystem::create_directory(folder);
    }
    // No dialog showed a message, at once or from what it posted.
    void TearDown() override {
        tools.clear();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        EXPECT_EQ(boxes.Seen(), L"");
        std::filesystem::remove_all(folder);
    }
    void Write(const wchar_t* name, const std::string& bytes) {
        std::ofstream(std::filesystem::path(folder + name), std::ios::binary) << bytes;
    }
    // Opens `tool`, kept open until the test ends; its window.
    HWND Open(std::unique_ptr<tv::ToolDialog> tool) {
        HWND window = tool->CreateModeless(nullptr);
        EXPECT_NE(window, nullptr);
        tools.push_back(std::move(tool));
        return window;
    }
    static HWND Choice(HWND dialog) { return GetDlgItem(dialog, IDC_LIST_TOOL_CHOICE); }
    // Picks an entry of the list at the top as a tap would (none: -1): the table then shown.
    static Table Choose(HWND dialog, int index) {
        if (index >= 0) SendMessageW(Choice(dialog), CB_SETCURSEL, index, 0);
        if (index >= 0) SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE), LPARAM(Choice(dialog)));
        return Shown(GetDlgItem(dialog, IDC_LIST_TOOL_TABLE));
    }
    // A tap on the strip's `cell`, the strip first taking the focus as a tap gives it.
    void Tap(HWND dialog, int cell) {
        HWND strip = FindWindowExW(dialog, nullptr, L"TallyvaneLetterStrip", nullptr);
        RECT r;
        GetClientRect(strip, &r);
        SetFocus(strip);
        SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(cell * (r.right / 9) + 1, r.bottom / 2));
        Pump(loop);
    }
    const std::wstring folder = (std::filesystem::temp_directory_path() / L"tv-list-tests" / L"").wstring();
    MessageBoxWatch boxes;
    tv::MessageLoop loop;
    std::vector<std::unique_ptr<tv::ToolDialog>> tools;
};

// Each table chosen shows its own rows and columns, none of the one before;
// a sales tax region without a file shows none, and each rereads its file.
TEST_F(ListToolTest, SizeTablesAndTaxRegionsShowOnlyTheChosenOnesRows) {
    HWND sizes = Open(std::make_unique<tv::ClothingSizesDialog>());
    for (int index : {-1, 2, 2, 0, 6}) {  // first as it opens
        const tv::SizeTable& table = *tv::SizeTableAt(std::max(index, 0));
        Table wanted(1 + table.Rows());
        for (int column = 0; column < table.Columns(); ++column) {
            wanted[0].push_back(table.headers[column]);
            for (int row = 0; row < table.Rows(); ++row) wanted[1 + row].push_back(table.Cell(row, column));
        }
        EXPECT_EQ(Choose(sizes, index), wanted) << index;
    }
    Write(L"CanVat.dat", "\r\nProvince\tGST\tPST\tHST\r\nOntario\t\t\t13%\r\n");
    HWND tax = Open(std::make_unique<tv::SalesTaxDialog>(folder));
    EXPECT_EQ(Choose(tax, -1), (Table{{L"Province", L"GST", L"PST", L"HST"}, {L"Ontario", L"", L"", L"13%"}}));
    EXPECT_EQ(Choose(tax, 2), Table(1));
    Write(L"CanVat.dat", "Region\tA\tB\tC\nYukon\t5%\t\t\n");
    EXPECT_EQ(Choose(tax, 0), (Table{{L"Region", L"A", L"B", L"C"}, {L"Yukon", L"5%", L"", L""}}));
}

// Groups out of number order, one not a group: the list at the top offers
// the groups in file order, each showing its own labels.
TEST_F(ListToolTest, CareLabelsFilterByGroup) {
    Write(L"wLabels.dat", "  2  0Drying\r\n130131Tumble dry\r\n  0  0Washing\r\n130  0Wash at 30\r\n"
                          "  7  0Not a group\r\n131  0Still washing\r\n  1  0Bleaching\r\n131  0Do not bleach\r\n");
    HWND dialog = Open(std::make_unique<tv::CareLabelsDialog>(folder));
    EXPECT_EQ(ListEntries(Choice(dialog)), (Texts{L"(All Labels)", L"Drying", L"Washing", L"Bleaching"}));
    for (const auto [entry, rows] : {std::pair(1, 1), std::pair(2, 2), std::pair(3, 1), std::pair(0, 4)})
        EXPECT_EQ(Choose(dialog, entry).size(), size_t(1 + rows)) << entry;
}

// Bravo 0 to 39999, Delta 40000 to 69998, Echo 69999, each with its
// number's last three digits as its code: every row in file order, even
// rows striped to the end; the strip steps from Bravo to Delta to Echo and round to Delta
// again, each time with the row in view and the focus given back to the
// list; typing finds the rows that begin with what is typed; Home, End, the
// arrows and Page Down move the selection; the strip's own keys jump as taps do.
TEST_F(ListToolTest, DialingCodesShowEveryRowAndTheStripTypingAndKeysReachAnyOfThem) {
    constexpr int kLines = 70000;
    std::string text;
    for (int i = 0; i < kLines; ++i) {  // the name padded to 41 characters, then the code
        const std::string name = (i < 40000 ? "Bravo " : i < kLines - 1 ? "Delta " : "Echo ") + std::to_string(i);
        text += name + std::string(41 - name.size(), ' ') + std::to_string(i % 1000) + "\r\n";
    }
    Write(L"Countries.dat", text);
    HWND window = Open(std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"));
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    ASSERT_EQ(Rows(list), kLines);
    EXPECT_EQ(Cell(list, 0, 0) + L"|" + Cell(list, 40000, 0) + L"|" + Cell(list, 69999, 0) + L" " + Cell(list, 69999, 1),
              L"Bravo 0|Delta 40000|Echo 69999 999");
    // Drawn row by row (each list shares the stripes), even rows on the stripe.
    EXPECT_TRUE(Draw(list, CDDS_PREPAINT, 0).first & CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 69998), std::pair(LRESULT(CDRF_NEWFONT), COLORREF(RGB(207, 217, 246))));
    EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 69999), std::pair(LRESULT(CDRF_DODEFAULT), COLORREF(CLR_DEFAULT)));

    EXPECT_EQ(Selected(list), 0);
    // Tapped (t) on "cde" or "xyz", typed at once (c) or after a pause (p), a
    // key (k): the row then selected (-1: any but the first two), in view.
    const std::tuple<char, UINT, int> steps[] = {
        {'t', 1, 40000}, {'t', 1, 69999}, {'t', 1, 40000}, {'t', 8, 40000},  // round to Delta; nothing begins "xyz"
        {'c', L'e', 69999}, {'p', L'B', 0},                                  // a new search, on from the next row, round
        {'p', L'd', 40000}, {'c', L'e', 40000},                              // "de"
        {'k', VK_END, 69999}, {'k', VK_UP, 69998}, {'k', VK_HOME, 0}, {'k', VK_DOWN, 1}, {'k', VK_NEXT, -1},
        {'s', 1, 40000}, {'s', 17, 40000},  // strip keys: Home, Right that often (round to "xyz"), Enter
    };
    HWND strip = FindWindowExW(window, nullptr, L"TallyvaneLetterStrip", nullptr);
    for (const auto [how, what, row] : steps) {
        if (how == 'p') Sleep(600);
        if (how == 't') Tap(window, int(what));
        if (how == 's') {
            SetFocus(strip);
            for (UINT i = 0; i <= what + 1; ++i) SendMessageW(strip, WM_KEYDOWN, i ? i > what ? VK_RETURN : VK_RIGHT : VK_HOME, 0);
            Pump(loop);
        }
        if (how != 't' && how != 's') SendMessageW(list, how == 'k' ? WM_KEYDOWN : WM_CHAR, what, how == 'k' ? 0 : 1);
        EXPECT_TRUE(row >= 0 ? Selected(list) == row : Selected(list) > 1) << how << what;
        const int top = ListView_GetTopIndex(list);
        EXPECT_TRUE(Selected(list) >= top && Selected(list) < top + ListView_GetCountPerPage(list)) << how << what;
        EXPECT_EQ(GetFocus(), list);
    }
}

}  // namespace
