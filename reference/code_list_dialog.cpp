#include "reference/code_list_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/shell_layer.h"
#include "reference/letter_index_strip.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

int ScreenScale() { return std::max(1, shell::LogPixelsX() / 96); }

void AddColumn(HWND list, int position, int width) {
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, position, reinterpret_cast<LPARAM>(&column));
}

// The strip searches the list view itself.
class ListViewSearch final : public LetterSearchList {
public:
    explicit ListViewSearch(HWND list) : list_(list) {}
    int Selected() const override {
        return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    std::wstring FirstColumn(int row) const override {
        std::vector<wchar_t> text(256);
        for (;;) {
            LVITEMW item = {};
            item.pszText = text.data();
            item.cchTextMax = static_cast<int>(text.size());
            const LRESULT length = SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            if (length < static_cast<LRESULT>(text.size()) - 1) return text.data();
            text.resize(text.size() * 2);
        }
    }
    int FindStartingWith(wchar_t letter) const override {
        wchar_t prefix[2] = {letter, L'\0'};
        LVFINDINFOW find = {};
        find.flags = LVFI_STRING | LVFI_PARTIAL;
        find.psz = prefix;
        return static_cast<int>(
            SendMessageW(list_, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    }
    void Select(int row) override {
        LVITEMW item = {};
        item.mask = LVIF_STATE;
        item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
    }

private:
    HWND list_;
};

}  // namespace

void AppendListRows(HWND list, const std::vector<ListRow>& rows, int capacityHint) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    if (capacityHint > 0) SendMessageW(list, LVM_SETITEMCOUNT, capacityHint, 0);
    for (const ListRow& row : rows) {
        if (row.empty()) continue;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = const_cast<wchar_t*>(row[0].c_str());
        const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (index < 0) continue;
        for (size_t column = 1; column < row.size(); ++column) {
            LVITEMW cell = {};
            cell.mask = LVIF_TEXT;
            cell.iItem = index;
            cell.iSubItem = static_cast<int>(column);
            cell.pszText = const_cast<wchar_t*>(row[column].c_str());
            SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

CodeListDialog::CodeListDialog(std::wstring dataFile, Rgb stripe, RowReader rowFromLine, int capacityHint)
    : ToolDialog(IDD_CODE_LIST, nullptr), dataFile_(std::move(dataFile)), stripe_(stripe), rowFromLine_(rowFromLine),
      capacityHint_(capacityHint), stripeBrush_(CreateSolidBrush(stripe)) {}

CodeListDialog::~CodeListDialog() {
    if (stripeBrush_) DeleteObject(stripeBrush_);
}

HWND CodeListDialog::List() const { return GetDlgItem(dialog_, IDC_CODE_LIST); }

bool CodeListDialog::OnInitDialog() {
    SetUpConventions(0, false);
    strip_ = LetterIndexStrip::Create(dialog_);
    HWND list = List();
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumns(list);
    Fill(list);
    RECT client;
    GetClientRect(dialog_, &client);
    LayOut(client.right, client.bottom);
    SetFocus(list);
    return false;  // the focus is set
}

void CodeListDialog::Fill(HWND list) {
    // A missing or unreadable file leaves the list empty, without a word.
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::optional<std::wstring> text = ReadDataFile(dataFile_);
    if (!text) {
        SetCursor(previous);
        return;
    }
    AppendListRows(list, RowsFromText(*text, rowFromLine_), capacityHint_);
    AfterFilling(list);
    SetCursor(previous);
}

void CodeListDialog::LayOut(int width, int height) {
    const int strip = GetSystemMetrics(SM_CYSMICON);
    MoveWindow(List(), 0, 0, width, height - strip, TRUE);
    if (strip_) MoveWindow(strip_, 0, height - strip, width, strip, TRUE);
}

LRESULT CodeListDialog::CustomDraw(NMLVCUSTOMDRAW& draw) {
    const bool even = (draw.nmcd.dwItemSpec % 2) == 0;
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTERASE;
        case CDDS_ITEMPREPAINT:
            if (!even) return CDRF_DODEFAULT;
            draw.clrTextBk = stripe_;
            return CDRF_NEWFONT;
        case CDDS_ITEMPOSTERASE:
            if (even) FillRect(draw.nmcd.hdc, &draw.nmcd.rc, stripeBrush_);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

bool CodeListDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            LayOut(LOWORD(lParam), HIWORD(lParam));
            result = TRUE;
            return true;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->idFrom != IDC_CODE_LIST || header->code != NM_CUSTOMDRAW) return false;
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam)));
            result = TRUE;
            return true;
        }
        case kStripTapMessage: {
            ListViewSearch search(List());
            StripSearch(search, static_cast<int>(wParam));
            SetFocus(List());
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

DialingCodesDialog::DialingCodesDialog(std::wstring dataFile)
    : CodeListDialog(std::move(dataFile), MakeRgb(207, 217, 246), CountryRowFromLine, 232) {}

void DialingCodesDialog::AddColumns(HWND list) {
    const int s = ScreenScale();
    AddColumn(list, 0, shell::DeviceScreenSize().cx - 35 * s - GetSystemMetrics(SM_CXVSCROLL));
    AddColumn(list, 1, 35 * s);
}

void DialingCodesDialog::AfterFilling(HWND list) {
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0) return;
    LVITEMW item = {};
    item.mask = LVIF_STATE;
    item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
}

CityAreaCodesDialog::CityAreaCodesDialog(std::wstring dataFile)
    : CodeListDialog(std::move(dataFile), MakeRgb(196, 255, 198), CityAreaRowFromLine, 447) {}

void CityAreaCodesDialog::AddColumns(HWND list) {
    const int s = ScreenScale();
    const int wide = (shell::DeviceScreenSize().cx - GetSystemMetrics(SM_CXVSCROLL) - 55 * s) / 2;
    // Each inserted at position 0: the narrow code column ends up last.
    AddColumn(list, 0, 55 * s);
    AddColumn(list, 0, wide);
    AddColumn(list, 0, wide);
}

}  // namespace tv
