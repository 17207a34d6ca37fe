// The dialing-code and city-area lists over small files of our own.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/shell_layer.h"
#include "reference/code_list_dialog.h"
#include "reference/letter_index_strip.h"
#include "resources/resource_ids.h"

namespace {

class CodeListTest : public ::testing::Test {
protected:
    void SetUp() override {
        tv::shell::InitExtraControls(GetModuleHandleW(nullptr));
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        tv::shell::SetDeviceScreenLogicalSize(240, 320);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path = std::wstring(temp) + L"tv-codes.dat";
    }
    void TearDown() override {
        dialog.reset();
        DeleteFileW(path.c_str());
    }
    void Write(const std::string& bytes) {
        HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(f);
    }
    template <typename Dialog>
    void Open() {
        dialog = std::make_unique<Dialog>(path);
        ASSERT_NE(dialog->CreateModeless(nullptr), nullptr);
        list = GetDlgItem(dialog->Handle(), IDC_CODE_LIST);
        Pump();
    }
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    int Rows() const { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
    int Selected() const {
        return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    std::wstring Cell(int row, int column) const {
        wchar_t text[256] = {};
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    int ColumnWidth(int column) const { return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)); }
    // A tap on the strip's cell, as the strip posts it.
    void Tap(int cell) {
        PostMessageW(dialog->Handle(), tv::kStripTapMessage, cell, 0);
        Pump();
    }
    // What custom drawing answers for a row's item stage, and the colour it sets.
    std::pair<LRESULT, COLORREF> DrawRow(int row) {
        NMLVCUSTOMDRAW draw = {};
        draw.nmcd.hdr.hwndFrom = list;
        draw.nmcd.hdr.idFrom = IDC_CODE_LIST;
        draw.nmcd.hdr.code = NM_CUSTOMDRAW;
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = row;
        draw.clrTextBk = CLR_DEFAULT;
        SendMessageW(dialog->Handle(), WM_NOTIFY, IDC_CODE_LIST, reinterpret_cast<LPARAM>(&draw));
        return {GetWindowLongPtrW(dialog->Handle(), DWLP_MSGRESULT), draw.clrTextBk};
    }

    std::wstring path;
    std::unique_ptr<tv::ToolDialog> dialog;
    HWND list = nullptr;
};

std::string Country(const std::string& name, const std::string& code) {
    return name + std::string(41 - name.size(), ' ') + code + "\r\n";
}

}  // namespace

TEST_F(CodeListTest, DialingCodesFillInFileOrderWithRowZeroSelected) {
    Write(Country("Zambia", "260") + "\r\n" + Country("Canada", "1") + Country("Denmark", "45") + Country("egypt", "20"));
    Open<tv::DialingCodesDialog>();
    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(Cell(0, 0), L"Zambia");
    EXPECT_EQ(Cell(0, 1), L"260");
    EXPECT_EQ(Cell(3, 0), L"egypt");
    EXPECT_EQ(Selected(), 0);
    // Name and code columns share the screen less the scroll bar.
    EXPECT_EQ(ColumnWidth(1), 35);
    EXPECT_EQ(ColumnWidth(0), 240 - 35 - GetSystemMetrics(SM_CXVSCROLL));

    Tap(1);  // "cde" from a row beginning with z: c first
    EXPECT_EQ(Selected(), 1);
    Tap(1);
    EXPECT_EQ(Selected(), 2);
    Tap(1);  // a lower-case name is found too
    EXPECT_EQ(Selected(), 3);
    Tap(1);  // from e the group starts again
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(CodeListTest, CityAreasUseTheTabRuleAndStartWithNothingSelected) {
    Write("1st Avenue\tSomewhere\t555\nBoston\tMA\t617\n0 Road\tNowhere\t1\nA\tB\nplain line\n");
    Open<tv::CityAreaCodesDialog>();
    ASSERT_EQ(Rows(), 5);
    EXPECT_EQ(Cell(1, 0), L"Boston");
    EXPECT_EQ(Cell(1, 2), L"617");
    EXPECT_EQ(Cell(3, 1), L"");
    EXPECT_EQ(Cell(3, 2), L"A\tB");
    EXPECT_EQ(Cell(4, 0), L"");
    EXPECT_EQ(Cell(4, 2), L"plain line");
    EXPECT_EQ(Selected(), -1);
    const int wide = (240 - GetSystemMetrics(SM_CXVSCROLL) - 55) / 2;
    EXPECT_EQ(ColumnWidth(0), wide);
    EXPECT_EQ(ColumnWidth(1), wide);
    EXPECT_EQ(ColumnWidth(2), 55);

    Tap(0);  // a row starting with 1 is not chosen while a later one starts with 0
    EXPECT_EQ(Selected(), 2);
    Tap(0);
    EXPECT_EQ(Selected(), 0);
    Tap(0);  // from 1 the search goes on at 2: the next row found begins with a
    EXPECT_EQ(Selected(), 3);
}

TEST_F(CodeListTest, EvenRowsAreStriped) {
    Write("a\tb\tc\nd\te\tf\ng\th\ti\n");
    Open<tv::CityAreaCodesDialog>();
    EXPECT_EQ(DrawRow(0), std::make_pair(LRESULT(CDRF_NEWFONT), COLORREF(RGB(196, 255, 198))));
    EXPECT_EQ(DrawRow(1), std::make_pair(LRESULT(CDRF_DODEFAULT), COLORREF(CLR_DEFAULT)));
    EXPECT_EQ(DrawRow(2).second, COLORREF(RGB(196, 255, 198)));
    dialog.reset();
    Write(Country("Chad", "235"));
    Open<tv::DialingCodesDialog>();
    EXPECT_EQ(DrawRow(0).second, COLORREF(RGB(207, 217, 246)));
}

TEST_F(CodeListTest, AMissingOrBrokenFileLeavesAnEmptyListThatStillWorks) {
    DeleteFileW(path.c_str());
    Open<tv::DialingCodesDialog>();
    EXPECT_EQ(Rows(), 0);
    Tap(3);
    EXPECT_EQ(Selected(), -1);
    EXPECT_TRUE(IsWindow(dialog->Handle()));
    dialog.reset();
    Write(std::string("\xFF\xFE", 2));
    Open<tv::CityAreaCodesDialog>();
    EXPECT_EQ(Rows(), 0);
}

TEST_F(CodeListTest, TheStripLiesUnderTheList) {
    Write(Country("Chad", "235"));
    Open<tv::DialingCodesDialog>();
    RECT client, listRect;
    GetClientRect(dialog->Handle(), &client);
    GetWindowRect(list, &listRect);
    EXPECT_EQ(listRect.bottom - listRect.top, client.bottom - GetSystemMetrics(SM_CYSMICON));
    HWND strip = FindWindowExW(dialog->Handle(), nullptr, L"TallyvaneLetterStrip", nullptr);
    ASSERT_NE(strip, nullptr);
    RECT stripRect;
    GetWindowRect(strip, &stripRect);
    EXPECT_EQ(stripRect.top, listRect.bottom);
    EXPECT_EQ(stripRect.bottom - stripRect.top, GetSystemMetrics(SM_CYSMICON));
    // A click in the strip's "ijk" cell reaches the dialog as a tap on cell 3.
    const int cellWidth = (stripRect.right - stripRect.left) / 9;
    SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(3 * cellWidth + 1, 2));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, dialog->Handle(), tv::kStripTapMessage, tv::kStripTapMessage, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}
