#include "money/currency_picker_dialog.h"

#include <algorithm>

#include "platform/shell_layer.h"
#include "reference/code_list.h"
#include "reference/list_view_rows.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

const wchar_t* FileName(CurrencyListKind kind) {
    return kind == CurrencyListKind::kEuroCodes ? L"Euro.dat" : L"CurrencyCode.dat";
}

}  // namespace

CurrencyPickerDialog::CurrencyPickerDialog(CurrencyListKind kind, std::wstring code, std::wstring dataFile)
    : CodeListDialog(dataFile.empty() ? DataFilePath(FileName(kind)) : std::move(dataFile), MakeRgb(196, 255, 198),
                     kCurrencyRows, false),
      code_(std::move(code)) {}

std::wstring CurrencyPickerDialog::Pick(HWND owner, CurrencyListKind kind, std::wstring code) {
    CurrencyPickerDialog picker(kind, std::move(code));
    picker.RunModal(owner);
    return picker.Code();
}

int CurrencyPickerDialog::NameWidth() const {
    return shell::DeviceScreenSize(Scale()).cx - GetSystemMetrics(SM_CXVSCROLL) - Scale().X(40);
}

void CurrencyPickerDialog::AddColumns(HWND list) {
    InsertListColumn(list, 0, L"", Scale().X(40));
    InsertListColumn(list, 1, L"", NameWidth());
}

bool CurrencyPickerDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    const bool handled = CodeListDialog::OnMessage(message, wParam, lParam, result);
    if (message == WM_SIZE) {
        // Over a dialog that grew wider than the screen the names fill the
        // wider list, stripes and all.
        HWND list = List();
        RECT client;
        GetClientRect(list, &client);
        const int rest = client.right - static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
        SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, std::max(NameWidth(), rest));
    }
    return handled;
}

void CurrencyPickerDialog::AfterFilling(HWND list) {
    if (code_.empty()) return;
    const int row = FindRow(code_);  // letter case does not count
    if (row >= 0) SelectRow(list, row);
}

bool CurrencyPickerDialog::OnCommand(int id, int, HWND) {
    if (id != IDOK) return false;
    HWND list = List();
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row >= 0) {
        code_ = Rows().Cell(static_cast<size_t>(row), 0);
    } else if (Rows().Count() > 0) {
        // A row must be chosen; with no rows at all (no code file) the
        // picker closes and the code stays.
        MessageBeep(MB_ICONEXCLAMATION);
        return true;
    }
    End(IDOK);
    return true;
}

std::vector<ToolDialog::ReaderName> CurrencyPickerDialog::ReaderNames() const {
    return {{0, IDS_TOOL_CURRENCY_LIST}, {IDC_CODE_LIST, IDS_NAME_CURRENCIES}};
}

}  // namespace tv
