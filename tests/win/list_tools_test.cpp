// The list tools driven as a user would: clothing size tables, sales tax and
// VAT rates, care labels, the dialing-code and city-area lists searched by
// the letter strip under them, and the row stripes they share.
#include <memory>

#include "list_test_support.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/sales_tax_dialog.h"
#include "tools/clothing_sizes.h"
#include "tool_dialog_test_support.h"
#include "tools/clothing_sizes_dialog.h"

namespace {

using namespace wintest;
using ListToolTest = DataFolderTest;

HWND Choice(HWND dialog) { return GetDlgItem(dialog, IDC_LIST_TOOL_CHOICE); }
HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_LIST_TOOL_TABLE); }

Texts Entries(HWND dialog) { return ListEntries(Choice(dialog)); }

// Picks an entry of the list at the top as a tap would.
void Choose(HWND dialog, int index) {
    SendMessageW(Choice(dialog), CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Choice(dialog)));
}

// Each list asks to draw row by row and puts only even rows on its own stripe.
TEST_F(ListToolTest, EvenRowsAreStripedInEachListsColour) {
    const std::pair<std::unique_ptr<tv::ToolDialog>, COLORREF> lists[] = {
        {std::make_unique<tv::ClothingSizesDialog>(), RGB(207, 218, 246)},
        {std::make_unique<tv::SalesTaxDialog>(folder), RGB(207, 217, 246)},
        {std::make_unique<tv::DialingCodesDialog>(folder + L"none.dat"), RGB(207, 217, 246)},
        {std::make_unique<tv::CityAreaCodesDialog>(folder + L"none.dat"), RGB(196, 255, 198)},
    };
    for (const auto& [dialog, stripe] : lists) {
        ASSERT_NE(dialog->CreateModeless(nullptr), nullptr);
        HWND list = FindWindowExW(dialog->Handle(), nullptr, WC_LISTVIEWW, nullptr);
        EXPECT_TRUE(Draw(list, CDDS_PREPAINT, 0).first & CDRF_NOTIFYITEMDRAW);
        EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 2), std::pair(LRESULT(CDRF_NEWFONT), stripe));
        EXPECT_EQ(Draw(list, CDDS_ITEMPREPAINT, 1), std::pair(LRESULT(CDRF_DODEFAULT), COLORREF(CLR_DEFAULT)));
    }
}

Table SizeTable(int index) {
    const tv::SizeTable& sizes = *tv::SizeTableAt(index);
    Table table(1 + sizes.Rows());
    for (int column = 0; column < sizes.Columns(); ++column) {
        table[0].push_back(sizes.headers[column]);
        for (int row = 0; row < sizes.Rows(); ++row) table[1 + row].push_back(sizes.Cell(row, column));
    }
    return table;
}

TEST_F(ListToolTest, ClothingSizesSwitchTablesWithoutAccumulating) {
    tv::ClothingSizesDialog sizes;
    HWND dialog = sizes.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Shown(List(dialog)), SizeTable(0));
    for (int index : {2, 2, 0, 6}) {
        Choose(dialog, index);
        EXPECT_EQ(Entries(dialog).at(index), tv::SizeTableAt(index)->title.text);
        EXPECT_EQ(Shown(List(dialog)), SizeTable(index)) << index;
    }
}

TEST_F(ListToolTest, SalesTaxRegionsRereadTheirFilesAndLeaveNoStaleColumnOrRow) {
    Write(L"CanVat.dat", "\r\nProvince\tGST\tPST\tHST\r\nOntario\t\t\t13%\r\n");
    tv::SalesTaxDialog rates(folder);
    HWND dialog = rates.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Shown(List(dialog)), (Table{{L"Province", L"GST", L"PST", L"HST"}, {L"Ontario", L"", L"", L"13%"}}));
    Choose(dialog, 2);  // no file: no columns, no rows
    EXPECT_EQ(Shown(List(dialog)), Table(1));
    Write(L"CanVat.dat", "Region\tA\tB\tC\nYukon\t5%\t\t\n");
    Choose(dialog, 0);
    EXPECT_EQ(Shown(List(dialog)), (Table{{L"Region", L"A", L"B", L"C"}, {L"Yukon", L"5%", L"", L""}}));
}

// Groups out of number order.
const char kLabels[] =
    "  2  0Drying\r\n130131Tumble dry\r\n"
    "  0  0Washing\r\n130  0Wash at 30\r\n"
    "  7  0Not a group\r\n131  0Still washing\r\n"
    "  1  0Bleaching\r\n131  0Do not bleach\r\n";

TEST_F(ListToolTest, CareLabelsFilterByGroup) {
    Write(L"wLabels.dat", kLabels);
    tv::CareLabelsDialog labels(folder);
    HWND dialog = labels.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Entries(dialog), (Texts{L"(All Labels)", L"Drying", L"Washing", L"Bleaching"}));
    for (const auto [entry, rows] : {std::pair(1, 1), std::pair(2, 2), std::pair(3, 1), std::pair(0, 4)}) {
        Choose(dialog, entry);
        EXPECT_EQ(Rows(List(dialog)), rows) << entry;
    }
}

// The selected row before and after each of `taps` clicks on the strip's `cell`.
std::vector<int> Selections(HWND dialog, int cell, int taps) {
    HWND list = GetDlgItem(dialog, IDC_CODE_LIST), strip = FindWindowExW(dialog, nullptr, L"TallyvaneLetterStrip", nullptr);
    RECT r;
    GetClientRect(strip, &r);
    std::vector<int> selections = {ListView_GetNextItem(list, -1, LVNI_SELECTED)};
    while (taps--) {
        SetFocus(strip);  // the list gets it back
        SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(cell * (r.right / 9) + 1, r.bottom / 2));
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        selections.push_back(ListView_GetNextItem(list, -1, LVNI_SELECTED));
    }
    return selections;
}

std::string Country(const std::string& name, const std::string& code) {
    return name + std::string(41 - name.size(), ' ') + code + "\r\n";
}

// Dialing codes open on row 0; two taps on "cde"
// from Zambia go to c, then d, and each gives the list back the focus. City
// areas open with nothing selected; a row starting with 0 comes first.
TEST_F(ListToolTest, TheCodeListsStripUnderTheListStepsThroughALetterGroup) {
    Write(L"codes.dat", Country("Zambia", "260") + "\r\n" + Country("Canada", "1") + Country("Denmark", "45"));
    tv::DialingCodesDialog codes(folder + L"codes.dat");
    HWND dialog = codes.CreateModeless(nullptr), list = GetDlgItem(dialog, IDC_CODE_LIST);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Shown(list), (Table{{L"", L""}, {L"Zambia", L"260"}, {L"Canada", L"1"}, {L"Denmark", L"45"}}));
    EXPECT_EQ(Selections(dialog, 1, 2), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(GetFocus(), list);

    Write(L"areas.dat", "1st Avenue\tSomewhere\t555\n0 Road\tNowhere\t1\n");
    tv::CityAreaCodesDialog areas(folder + L"areas.dat");
    ASSERT_NE(areas.CreateModeless(nullptr), nullptr);
    EXPECT_EQ(Shown(GetDlgItem(areas.Handle(), IDC_CODE_LIST)).back(), (Texts{L"0 Road", L"Nowhere", L"1"}));
    EXPECT_EQ(Selections(areas.Handle(), 0, 2), (std::vector<int>{-1, 1, 0}));
}

}  // namespace
