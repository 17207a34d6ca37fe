#include "reference/code_list_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/shell_layer.h"
#include "reference/letter_index_strip.h"
#include "reference/list_view_rows.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

// The strip searches the list view itself.
class ListViewSearch final : public LetterSearchList {
public:
    explicit ListViewSearch(HWND list) : list_(list) {}
    int Selected() const override {
        return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    std::wstring FirstColumn(int row) const override { return ListItemText(list_, row); }
    int FindStartingWith(wchar_t letter) const override {
        wchar_t prefix[2] = {letter, L'\0'};
        LVFINDINFOW find = {};
        find.flags = LVFI_STRING | LVFI_PARTIAL;
        find.psz = prefix;
        return static_cast<int>(
            SendMessageW(list_, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    }
    void Select(int row) override { CodeListDialog::SelectRow(list_, row); }

private:
    HWND list_;
};

}  // namespace

CodeListDialog::CodeListDialog(std::wstring dataFile, Rgb stripe, const RowReader& rowReader, int capacityHint,
                               bool letterStrip)
    : ToolDialog(IDD_CODE_LIST, nullptr), dataFile_(std::move(dataFile)), stripes_(stripe), rowReader_(rowReader),
      capacityHint_(capacityHint), letterStrip_(letterStrip) {}


void CodeListDialog::SelectRow(HWND list, int row) {
    LVITEMW item = {};
    item.mask = LVIF_STATE;
    item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

HWND CodeListDialog::List() const { return GetDlgItem(dialog_, IDC_CODE_LIST); }

bool CodeListDialog::OnInitDialog() {
    SetUpConventions(0, false);
    if (letterStrip_) strip_ = LetterIndexStrip::Create(dialog_);
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
    std::optional<std::wstring> text = ReadDataFile(dataFile_);
    if (!text) {
        SetCursor(previous);
        return;
    }
    // Redrawing waits until every row is in; the room for them is reserved once.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_SETITEMCOUNT, capacityHint_, 0);
    const ListRows rows(std::move(*text), rowReader_, kMostCodeListRows);
    for (size_t row = 0; row < rows.Count(); ++row) AppendListRow(list, rows.Row(row));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    AfterFilling(list);
    SetCursor(previous);
}

void CodeListDialog::LayOut(int width, int height) {
    const int strip = strip_ ? GetSystemMetrics(SM_CYSMICON) : 0;
    MoveWindow(List(), 0, 0, width, height - strip, TRUE);
    if (strip_) MoveWindow(strip_, 0, height - strip, width, strip, TRUE);
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
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, stripes_.Draw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam)));
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
    : CodeListDialog(std::move(dataFile), MakeRgb(207, 217, 246), kCountryRows, kCountryRowsHint) {}

void DialingCodesDialog::AddColumns(HWND list) {
    const int s = shell::ScaleX();
    InsertListColumn(list, 0, L"", shell::DeviceScreenSize().cx - 35 * s - GetSystemMetrics(SM_CXVSCROLL));
    InsertListColumn(list, 1, L"", 35 * s);
}

void DialingCodesDialog::AfterFilling(HWND list) {
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0) SelectRow(list, 0);
}

CityAreaCodesDialog::CityAreaCodesDialog(std::wstring dataFile)
    : CodeListDialog(std::move(dataFile), MakeRgb(196, 255, 198), kCityAreaRows, kCityAreaRowsHint) {}

void CityAreaCodesDialog::AddColumns(HWND list) {
    const int s = shell::ScaleX();
    const int wide = (shell::DeviceScreenSize().cx - GetSystemMetrics(SM_CXVSCROLL) - 55 * s) / 2;
    // Each inserted at position 0: the narrow code column ends up last.
    InsertListColumn(list, 0, L"", 55 * s);
    InsertListColumn(list, 0, L"", wide);
    InsertListColumn(list, 0, L"", wide);
}

}  // namespace tv
