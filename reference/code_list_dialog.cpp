#include "reference/code_list_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/shell_layer.h"
#include "reference/letter_index_strip.h"
#include "reference/list_view_rows.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

int FindInRows(const ListRows& rows, const LVFINDINFOW& find, int start) {
    return FindListRow(find, start, rows.Count(), [&rows](size_t row) { return rows.Cell(row, 0); });
}

// The strip searches the rows the list shows.
class ListViewSearch final : public LetterSearchList {
public:
    ListViewSearch(HWND list, const ListRows& rows) : list_(list), rows_(rows) {}
    int Selected() const override {
        return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    std::wstring FirstColumn(int row) const override { return std::wstring(rows_.Cell(static_cast<size_t>(row), 0)); }
    int FindStartingWith(wchar_t letter) const override {
        const wchar_t prefix[2] = {letter, L'\0'};
        return FindInRows(rows_, LVFINDINFOW{LVFI_STRING | LVFI_PARTIAL, prefix}, 0);
    }
    void Select(int row) override { CodeListDialog::SelectRow(list_, row); }

private:
    HWND list_;
    const ListRows& rows_;
};

}  // namespace

CodeListDialog::CodeListDialog(std::wstring dataFile, Rgb stripe, const RowReader& rowReader, bool letterStrip)
    : ToolDialog(IDD_CODE_LIST, nullptr), dataFile_(std::move(dataFile)), stripes_(stripe), rowReader_(rowReader),
      letterStrip_(letterStrip) {}

void CodeListDialog::SelectRow(HWND list, int row) {
    LVITEMW item = {};
    item.mask = LVIF_STATE;
    item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

HWND CodeListDialog::List() const { return GetDlgItem(dialog_, IDC_CODE_LIST); }

int CodeListDialog::FindRow(const std::wstring& text) const {
    return FindInRows(rows_, LVFINDINFOW{LVFI_STRING, text.c_str()}, 0);
}

bool CodeListDialog::OnInitDialog() {
    SetUpConventions(0, false);
    HWND list = MakeVirtualListView(dialog_, IDC_CODE_LIST);
    if (letterStrip_) strip_ = LetterIndexStrip::Create(dialog_);
    if (strip_) SendMessageW(strip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumns(list);
    Fill(list);
    RECT client;
    GetClientRect(dialog_, &client);
    LayOut(client.right, client.bottom);
    SetFocus(list);
    return false;  // the focus is set
}

void CodeListDialog::OnRescale() {
    HWND list = List();
    while (SendMessageW(list, LVM_DELETECOLUMN, 0, 0)) {
    }
    AddColumns(list);
}

void CodeListDialog::Fill(HWND list) {
    // A missing or unreadable file leaves the list empty, without a word.
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (std::optional<std::wstring> text = ReadDataFile(dataFile_)) {
        rows_ = ListRows(std::move(*text), rowReader_, kMostCodeListRows);
    }
    // The list asks for each row's texts as it draws it.
    SendMessageW(list, LVM_SETITEMCOUNT, rows_.Count(), 0);
    AfterFilling(list);
    SetCursor(previous);
}

void CodeListDialog::LayOut(int width, int height) {
    const int strip = strip_ ? std::max(GetSystemMetrics(SM_CYSMICON), Scale().Y(16)) : 0;
    HWND list = List();
    MoveWindow(list, 0, 0, width, height - strip, TRUE);
    if (strip_) MoveWindow(strip_, 0, height - strip, width, strip, TRUE);
    // A row chosen before the list had its size (the code the picker opens on) stays in view.
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (selected >= 0) SendMessageW(list, LVM_ENSUREVISIBLE, selected, FALSE);
}

bool CodeListDialog::OnListNotify(NMHDR& header, LRESULT& answer) {
    switch (header.code) {
        case NM_CUSTOMDRAW:
            answer = stripes_.Draw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
            return true;
        case LVN_GETDISPINFOW: {
            auto& request = reinterpret_cast<NMLVDISPINFOW&>(header);
            AnswerCellText(request, rows_.Cell(static_cast<size_t>(request.item.iItem), request.item.iSubItem));
            return true;
        }
        case LVN_ODFINDITEMW: {
            const auto& search = reinterpret_cast<NMLVFINDITEMW&>(header);
            answer = FindInRows(rows_, search.lvfi, search.iStart);
            return true;
        }
        default:
            return false;
    }
}

bool CodeListDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            LayOut(LOWORD(lParam), HIWORD(lParam));
            result = TRUE;
            return true;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            LRESULT answer = 0;
            if (header.idFrom != IDC_CODE_LIST || !OnListNotify(header, answer)) return false;
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, answer);
            result = TRUE;
            return true;
        }
        case kStripTapMessage: {
            ListViewSearch search(List(), rows_);
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
    : CodeListDialog(std::move(dataFile), MakeRgb(207, 217, 246), kCountryRows) {}

void DialingCodesDialog::AddColumns(HWND list) {
    const int code = Scale().X(35);
    InsertListColumn(list, 0, L"", shell::DeviceScreenSize(Scale()).cx - code - GetSystemMetrics(SM_CXVSCROLL));
    InsertListColumn(list, 1, L"", code);
}

void DialingCodesDialog::AfterFilling(HWND list) {
    if (Rows().Count() > 0) SelectRow(list, 0);
}

CityAreaCodesDialog::CityAreaCodesDialog(std::wstring dataFile)
    : CodeListDialog(std::move(dataFile), MakeRgb(196, 255, 198), kCityAreaRows) {}

void CityAreaCodesDialog::AddColumns(HWND list) {
    const int code = Scale().X(55);
    const int wide = (shell::DeviceScreenSize(Scale()).cx - GetSystemMetrics(SM_CXVSCROLL) - code) / 2;
    // Each inserted at position 0: the narrow code column ends up last.
    InsertListColumn(list, 0, L"", code);
    InsertListColumn(list, 0, L"", wide);
    InsertListColumn(list, 0, L"", wide);
}

std::vector<ToolDialog::ReaderName> DialingCodesDialog::ReaderNames() const {
    return {{0, IDS_TOOL_DIALING_CODES}, {IDC_CODE_LIST, IDS_NAME_DIALING_CODES}};
}

std::vector<ToolDialog::ReaderName> CityAreaCodesDialog::ReaderNames() const {
    return {{0, IDS_TOOL_CITY_CODES}, {IDC_CODE_LIST, IDS_NAME_CITY_CODES}};
}

}  // namespace tv
