// The template-105 tools driven as a user would: clothing size tables, sales
// tax and VAT rates, care labels. The data tools read small files of the
// tests' own from a folder of their own, and the list views are read back
// as painted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reference/care_labels_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "tools/clothing_sizes.h"
#include "tools/clothing_sizes_dialog.h"
#include "window_test_support.h"

namespace {

using Texts = std::vector<std::wstring>;
constexpr COLORREF kWhite = RGB(255, 255, 255);

int Scale() { return tv::shell::LogPixelsX() / 96; }
HWND Choice(HWND dialog) { return GetDlgItem(dialog, IDC_LIST_TOOL_CHOICE); }
HWND Table(HWND dialog) { return GetDlgItem(dialog, IDC_LIST_TOOL_TABLE); }
int Rows(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
int Columns(HWND list) {
    return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)),
                                         HDM_GETITEMCOUNT, 0, 0));
}

Texts Entries(HWND dialog) {
    Texts entries(SendMessageW(Choice(dialog), CB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < entries.size(); ++i) {
        wchar_t text[128] = {};
        SendMessageW(Choice(dialog), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries[i] = text;
    }
    return entries;
}

// Picks an entry of the list at the top as a tap would.
void Choose(HWND dialog, int index) {
    SendMessageW(Choice(dialog), CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Choice(dialog)));
}

std::wstring Cell(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

Texts RowTexts(HWND list, int row) {
    Texts cells;
    for (int column = 0; column < Columns(list); ++column) cells.push_back(Cell(list, row, column));
    return cells;
}

struct Column {
    std::wstring title;
    int width, format;
};

Column ColumnAt(HWND list, int index) {
    wchar_t text[128] = {};
    LVCOLUMNW c = {LVCF_TEXT | LVCF_WIDTH | LVCF_FMT};
    c.pszText = text;
    c.cchTextMax = 128;
    SendMessageW(list, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&c));
    return {text, c.cx, c.fmt & LVCFMT_JUSTIFYMASK};
}

Texts Titles(HWND list) {
    Texts titles;
    for (int i = 0; i < Columns(list); ++i) titles.push_back(ColumnAt(list, i).title);
    return titles;
}

RECT RowBounds(HWND list, int row) {
    RECT r = {LVIR_BOUNDS};
    SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
}

// The list as it paints itself (WM_PRINTCLIENT, custom draw included), read
// back pixel by pixel from a background no control paints.
class Painted {
public:
    explicit Painted(HWND list) {
        GetClientRect(list, &client_);
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER)}};
        info.bmiHeader = {info.bmiHeader.biSize, client_.right, -client_.bottom, 1, 32, BI_RGB};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < client_.right * client_.bottom; ++i) bits_[i] = 0xFF00FF;
        SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    ~Painted() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= client_.right || y >= client_.bottom) return CLR_INVALID;
        const DWORD p = bits_[y * client_.right + x];
        return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
    }
    // Pixels darker than mid-grey in `r`: drawn text.
    int Ink(const RECT& r) const {
        int ink = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF c = At(x, y);
                ink += c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 384;
            }
        }
        return ink;
    }

private:
    RECT client_{};
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

// Rows 0 and 2 on the stripe colour, right of their first cell's text; row 1 white.
void ExpectStripes(HWND list, COLORREF stripe) {
    ASSERT_GE(Rows(list), 3);
    const Painted painted(list);
    for (int row = 0; row < 3; ++row) {
        const RECT r = RowBounds(list, row);
        EXPECT_EQ(painted.At(ColumnAt(list, 0).width - 4, (r.top + r.bottom) / 2), row % 2 ? kWhite : stripe) << row;
    }
}

// Counts, and closes, any message box the dialogs would show.
int g_messageBoxes = 0;
void CALLBACK CloseMessageBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(window, cls, 16);
            if (lstrcmpW(cls, L"#32770") == 0 && !GetDlgItem(window, IDC_LIST_TOOL_TABLE)) {
                ++g_messageBoxes;
                PostMessageW(window, WM_COMMAND, IDOK, 0);
            }
            return TRUE;
        },
        0);
}

class ListToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        tv::shell::InitExtraControls(GetModuleHandleW(nullptr));
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        tv::shell::SetDeviceScreenLogicalSize(240, 320);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"tv-list-tools\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        g_messageBoxes = 0;
        timer = SetTimer(nullptr, 0, 20, CloseMessageBoxes);
    }
    void TearDown() override {
        KillTimer(nullptr, timer);
        EXPECT_EQ(g_messageBoxes, 0);
        for (const wchar_t* name : {L"CanVat.dat", L"UsaVat.dat", L"EuroVat.dat", L"wLabels.dat", L"wLabels.dll"}) {
            DeleteFileW((folder + name).c_str());
        }
        RemoveDirectoryW(folder.c_str());
    }
    void Write(const wchar_t* name, const std::string& bytes) {
        HANDLE f = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        FILETIME old = {0x12345678, 0x01C00000};  // in the past, so a change would show
        SetFileTime(f, &old, &old, &old);
        CloseHandle(f);
    }
    // A file's bytes and its creation and write times, to compare before and after.
    std::string Snapshot(const wchar_t* name) const {
        HANDLE f = CreateFileW((folder + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                               nullptr);
        if (f == INVALID_HANDLE_VALUE) return "missing";
        FILETIME times[3];
        GetFileTime(f, &times[0], &times[1], &times[2]);
        std::string s(reinterpret_cast<const char*>(&times[0]), sizeof times[0]);
        s.append(reinterpret_cast<const char*>(&times[2]), sizeof times[2]);
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(f, buffer, sizeof buffer, &read, nullptr) && read) s.append(buffer, read);
        CloseHandle(f);
        return s;
    }
    void Pump() {
        for (DWORD end = GetTickCount() + 60; static_cast<int>(end - GetTickCount()) > 0; Sleep(5)) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
    }
    std::wstring folder;
    UINT_PTR timer = 0;
};

// --- Clothing sizes ---------------------------------------------------------

void ExpectSizeTable(HWND list, int index) {
    const tv::SizeTable& table = *tv::SizeTableAt(index);
    ASSERT_EQ(Columns(list), table.Columns()) << index;
    ASSERT_EQ(Rows(list), table.Rows()) << index;
    for (int column = 0; column < table.Columns(); ++column) {
        EXPECT_EQ(ColumnAt(list, column).title, table.headers[column]);
        EXPECT_EQ(ColumnAt(list, column).width, table.ColumnWidth(column) * Scale());
        for (int row = 0; row < table.Rows(); ++row) EXPECT_EQ(Cell(list, row, column), table.Cell(row, column));
    }
}

TEST_F(ListToolTest, ClothingSizesSwitchTablesWithoutAccumulatingAndShadeEvenRows) {
    tv::ClothingSizesDialog sizes;
    HWND dialog = sizes.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND list = Table(dialog);
    EXPECT_EQ(Entries(dialog), (Texts{L"Women Dress Sizes", L"Women Shoe Sizes", L"Women Hosiery Sizes",
                                      L"Men Shirt Sizes", L"Men Shoe Sizes", L"Girl Shoe Sizes", L"Boy Shoe Sizes"}));
    EXPECT_EQ(SendMessageW(Choice(dialog), CB_GETCURSEL, 0, 0), 0);
    ExpectSizeTable(list, 0);
    for (int index : {2, 2, 0, 6, 1, 5, 3, 4, 2}) {
        Choose(dialog, index);
        ExpectSizeTable(list, index);
    }
    EXPECT_EQ(Cell(list, 9, 2), L"70-91");  // hosiery, its Height column the wider
    Choose(dialog, 1);
    EXPECT_EQ(Cell(list, 0, 1), L"2\u00BD");
    ExpectStripes(list, RGB(207, 218, 246));

    // A text request outside the table gets an empty text, not a stray read.
    wchar_t text[16] = L"unchanged";
    NMLVDISPINFOW request = {{list, IDC_LIST_TOOL_TABLE, LVN_GETDISPINFOW}};
    request.item = {LVIF_TEXT, 13, 0, 0, 0, text, 16};
    SendMessageW(dialog, WM_NOTIFY, IDC_LIST_TOOL_TABLE, reinterpret_cast<LPARAM>(&request));
    EXPECT_STREQ(text, L"");
}

TEST_F(ListToolTest, TheTableFillsTheDialogBelowTheChoiceWhoseDropDownKeepsItsHeight) {
    tv::ClothingSizesDialog sizes;
    HWND dialog = sizes.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    SetWindowPos(dialog, nullptr, 0, 0, 300, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT client, choice, table;
    GetClientRect(dialog, &client);
    GetWindowRect(Choice(dialog), &choice);
    GetWindowRect(Table(dialog), &table);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&choice), 2);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&table), 2);
    EXPECT_EQ(choice.left | choice.top | table.left, 0);
    EXPECT_EQ(choice.right, client.right);
    EXPECT_EQ(table.top, choice.bottom);
    EXPECT_EQ(table.right, client.right);
    EXPECT_EQ(table.bottom, client.bottom);
    RECT dropped;
    SendMessageW(Choice(dialog), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const LRESULT entry = SendMessageW(Choice(dialog), CB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(dropped.bottom - dropped.top - (choice.bottom - choice.top), 7 * entry);  // all seven tables
}

// --- Sales tax and VAT ------------------------------------------------------

TEST_F(ListToolTest, SalesTaxRegionsRereadTheirFilesAndLeaveNoStaleColumnOrRow) {
    Write(L"CanVat.dat", "\r\n\r\nProvince\tGST\tPST\tHST\r\nAlberta\t5%\t\t\r\nOntario\t\t\t13%\r\nOne\tTab\r\n"
                         "Two\tTabs\there\r\n");
    const std::wstring usa = L"State\tRate\nS\u00E3o Tom\u00E9\t15%\nTexas\t6.25%\tplus local\n";
    std::string utf16 = "\xFF\xFE";
    for (wchar_t c : usa) utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    Write(L"UsaVat.dat", utf16);
    const std::string canada = Snapshot(L"CanVat.dat"), usaBefore = Snapshot(L"UsaVat.dat");

    tv::SalesTaxDialog rates(folder);
    HWND dialog = rates.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND list = Table(dialog);
    EXPECT_EQ(Entries(dialog), (Texts{L"Canada", L"USA", L"Europe"}));
    EXPECT_EQ(Titles(list), (Texts{L"Province", L"GST", L"PST", L"HST"}));
    const int s = Scale();
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(ColumnAt(list, c).width, (c == 0 ? 108 : c == 1 ? 58 : 55) * s);
        EXPECT_EQ(ColumnAt(list, c).format, c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT);
    }
    ASSERT_EQ(Rows(list), 4);
    EXPECT_EQ(RowTexts(list, 1), (Texts{L"Ontario", L"", L"", L"13%"}));
    EXPECT_EQ(RowTexts(list, 2), (Texts{L"One", L"", L"One", L"Tab"}));  // the TAB rule
    EXPECT_EQ(RowTexts(list, 3), (Texts{L"Two", L"Tabs", L"", L"Two\tTabs\there"}));
    ExpectStripes(list, RGB(207, 217, 246));

    Choose(dialog, 1);
    EXPECT_EQ(Titles(list), (Texts{L"State", L"Rate"}));
    EXPECT_EQ(ColumnAt(list, 0).width, tv::shell::DeviceScreenSize().cx - 60 * s - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(ColumnAt(list, 1).format, LVCFMT_RIGHT);
    ASSERT_EQ(Rows(list), 2);
    EXPECT_EQ(RowTexts(list, 0), (Texts{L"S\u00E3o Tom\u00E9", L"15%"}));
    EXPECT_EQ(RowTexts(list, 1), (Texts{L"Texas", L"6.25%\tplus local"}));

    Choose(dialog, 2);  // no file: no columns, no rows, no message
    EXPECT_EQ(Columns(list) + Rows(list), 0);
    EXPECT_EQ(Snapshot(L"CanVat.dat"), canada);
    EXPECT_EQ(Snapshot(L"UsaVat.dat"), usaBefore);

    // Each choice reads the file again; empty files and a lone mark show nothing.
    Write(L"CanVat.dat", "Region\tA\tB\tC\nYukon\t5%\t\t\n");
    Choose(dialog, 0);
    EXPECT_EQ(Titles(list), (Texts{L"Region", L"A", L"B", L"C"}));
    EXPECT_EQ(RowTexts(list, 0), (Texts{L"Yukon", L"5%", L"", L""}));
    Write(L"UsaVat.dat", "");
    Write(L"EuroVat.dat", "\xFF\xFE");
    for (int region : {1, 2}) {
        Choose(dialog, region);
        EXPECT_EQ(Columns(list) + Rows(list), 0) << region;
    }
    Pump();
}

// --- Care labels ------------------------------------------------------------

// Groups out of number order; icons 130 (red), 131 (blue) and 200 (green)
// are in the tests' library, 999 is not.
const char kLabels[] =
    "  2  0Drying\r\n130131Tumble dry\r\n"
    "  0  0Washing\r\n200  0Wash at 30   \t \r\n999  0No such icon\r\n"
    "  7  0Not a group\r\n130  0Still washing\r\n"
    "  1  0Bleaching\r\n"
    "131  0WASH SEPARATELY. DO NOT SOAK. DO NOT WRING. DO NOT TUMBLE. DRY FLAT IN SHADE. IRON ON REVERSE.\r\n";

Texts Meanings(HWND list) {
    const std::string bytes = kLabels;
    const tv::CareLabelBook book = tv::ReadCareLabels(std::wstring(bytes.begin(), bytes.end()));
    Texts meanings;
    for (int row = 0; row < Rows(list); ++row) {
        LVITEMW item = {LVIF_PARAM, row};
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const tv::CareLabel* label = tv::CareLabelOfRow(book, static_cast<uint64_t>(item.lParam));
        meanings.push_back(label ? label->meaning.substr(0, 15) : L"?");
    }
    return meanings;
}

// The middles of a row's two icon places, and the rectangle of its meaning.
struct Places {
    POINT first, second;
    RECT meaning;
};

Places PlacesOf(HWND list, int row) {
    const int sx = Scale(), sy = tv::shell::LogPixelsY() / 96, icon = GetSystemMetrics(SM_CXICON);
    const RECT r = RowBounds(list, row);
    const int y = r.top + sy + GetSystemMetrics(SM_CYICON) / 2, step = icon + 2 * sx;
    return {{r.left + sx + icon / 2, y}, {r.left + sx + step + icon / 2, y},
            {r.left + sx + 2 * step, r.top + sy, r.right - sx, r.bottom - sy}};
}

TEST_F(ListToolTest, CareLabelsShowGroupsInOrderWithTheirIconsAndMeanings) {
    Write(L"wLabels.dat", kLabels);
    const std::string before = Snapshot(L"wLabels.dat");
    ASSERT_TRUE(CopyFileW(tv::DataFilePath(L"test_label_icons.dll").c_str(), (folder + L"wLabels.dll").c_str(), 0));
    tv::CareLabelsDialog labels(folder);
    EXPECT_TRUE(labels.HasIconLibrary());
    HWND dialog = labels.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND list = Table(dialog);
    EXPECT_EQ(Entries(dialog), (Texts{L"(All Labels)", L"Drying", L"Washing", L"Bleaching"}));
    const Texts all = {L"Wash at 30", L"No such icon", L"Still washing", L"WASH SEPARATELY", L"Tumble dry"};
    EXPECT_EQ(Meanings(list), all);
    Choose(dialog, 1);
    EXPECT_EQ(Meanings(list), (Texts{L"Tumble dry"}));
    Choose(dialog, 2);
    EXPECT_EQ(Meanings(list), (Texts{L"Wash at 30", L"No such icon", L"Still washing"}));
    Choose(dialog, 0);
    EXPECT_EQ(Meanings(list), all);
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_NOCOLUMNHEADER);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0),
              tv::shell::DeviceScreenSize().cx - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_GE(RowBounds(list, 0).bottom - RowBounds(list, 0).top, GetSystemMetrics(SM_CYICON));

    Pump();
    LVITEMW selected = {};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&selected));
    const Painted painted(list);
    const Places wash = PlacesOf(list, 0), missing = PlacesOf(list, 1), tumble = PlacesOf(list, 4);
    EXPECT_EQ(painted.At(wash.first.x, wash.first.y), RGB(0, 160, 0));
    EXPECT_EQ(painted.At(wash.second.x, wash.second.y), kWhite);
    EXPECT_EQ(painted.At(missing.first.x, missing.first.y), kWhite);
    EXPECT_EQ(painted.At(tumble.first.x, tumble.first.y), RGB(255, 0, 0));
    EXPECT_EQ(painted.At(tumble.second.x, tumble.second.y), RGB(0, 0, 255));
    for (int row : {0, 1, 3, 4}) EXPECT_GT(painted.Ink(PlacesOf(list, row).meaning), 10) << row;
    // A meaning too long for its row ends at its last whole line.
    RECT tail = PlacesOf(list, 3).meaning;
    tail.top = tail.bottom - 4;
    EXPECT_EQ(painted.Ink(tail), 0);
    const RECT row2 = RowBounds(list, 2);
    EXPECT_EQ(painted.At(row2.right - 3, (row2.top + row2.bottom) / 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Snapshot(L"wLabels.dat"), before);
}

TEST_F(ListToolTest, CareLabelsWithoutTheIconLibraryOrTheFileShowWhatTheyCan) {
    Write(L"wLabels.dat", kLabels);
    {
        tv::CareLabelsDialog labels(folder);
        EXPECT_FALSE(labels.HasIconLibrary());
        HWND dialog = labels.CreateModeless(nullptr);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(Rows(Table(dialog)), 5);
        const Painted painted(Table(dialog));
        const Places tumble = PlacesOf(Table(dialog), 4);
        EXPECT_EQ(painted.At(tumble.first.x, tumble.first.y), kWhite);
        EXPECT_GT(painted.Ink(tumble.meaning), 10);
    }
    DeleteFileW((folder + L"wLabels.dat").c_str());
    tv::CareLabelsDialog labels(folder);
    HWND dialog = labels.CreateModeless(nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(Choice(dialog), CB_GETCOUNT, 0, 0) + Rows(Table(dialog)), 0);
    Pump();
}

}  // namespace

// --- From the main window's menu -------------------------------------------

using ListToolsFromTheMenu = wintest::MainWindowTest;

TEST_F(ListToolsFromTheMenu, OpenModallyAndCloseWithOk) {
    Open();
    int opened = 0;
    auto expect = [&](int entries, bool close) {
        wintest::WhenDialogOpens([&opened, entries, close](HWND dialog) {
            ++opened;
            if (entries) EXPECT_EQ(Entries(dialog).size(), static_cast<size_t>(entries));
            SendMessageW(dialog, WM_HELP, 0, 0);
            SendMessageW(dialog, close ? WM_CLOSE : WM_COMMAND, close ? 0 : IDOK, 0);
        });
    };
    expect(7, false);
    Command(ID_CLOTHING_SIZES);
    expect(3, true);
    Command(ID_SALES_TAX);
    expect(0, false);
    Command(ID_CARE_LABELS);
    EXPECT_EQ(opened, 3);
    // Sizes and sales tax share the topic; care labels have none.
    EXPECT_EQ(helpUrls.size(), 2u);
    for (const std::wstring& url : helpUrls) EXPECT_TRUE(url.ends_with(L"#clothes"));
    EXPECT_TRUE(IsWindow(main));
}
