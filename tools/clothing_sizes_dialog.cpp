#include "tools/clothing_sizes_dialog.h"

#include "app/window_text.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"
#include "tools/clothing_sizes.h"

namespace tv {

ClothingSizesDialog::ClothingSizesDialog() : ListToolDialog(L"clothes"), stripes_(RGB(207, 218, 246)) {}


bool ClothingSizesDialog::OnInitDialog() {
    SetUpConventions(0, false);
    list_ = GetDlgItem(dialog_, IDC_LIST_TOOL_TABLE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    HWND choice = GetDlgItem(dialog_, IDC_LIST_TOOL_CHOICE);
    for (int index = 0; index < kSizeTableCount; ++index) AddStringToList(choice, SizeTableAt(index)->title.id);
    SendMessageW(choice, CB_SETCURSEL, 0, 0);
    ShowSizeTable(0);
    return true;
}

void ClothingSizesDialog::ShowSizeTable(int index) {
    const SizeTable* table = SizeTableAt(index);
    if (!table) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ClearListView(list_);
    shown_ = index;
    const LayoutScale& scale = Scale();
    for (int column = 0; column < table->Columns(); ++column) {
        InsertListColumn(list_, column, table->headers[column], scale.X(table->ColumnWidth(column)));
    }
    // The texts are asked for when shown, by position: inserting each row at
    // the top still shows the table in order.
    for (int row = 0; row < table->Rows(); ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = LPSTR_TEXTCALLBACKW;
        const int at = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (at < 0) break;
        for (int column = 1; column < table->Columns(); ++column) {
            item.iItem = at;
            item.iSubItem = column;
            SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ClothingSizesDialog::SupplyCellText(NMLVDISPINFOW& request) const {
    if (!(request.item.mask & LVIF_TEXT) || !request.item.pszText || request.item.cchTextMax <= 0) return;
    // From the table the rows were made for, whatever the list shows meanwhile.
    const wchar_t* cell = SizeTableAt(shown_)->Cell(request.item.iItem, request.item.iSubItem);
    lstrcpynW(request.item.pszText, cell ? cell : L"", request.item.cchTextMax);
}

bool ClothingSizesDialog::OnTableNotify(NMHDR& header, LRESULT&) {
    if (header.code != LVN_GETDISPINFOW) return false;
    SupplyCellText(reinterpret_cast<NMLVDISPINFOW&>(header));
    return true;
}

std::vector<ToolDialog::ReaderName> ClothingSizesDialog::ReaderNames() const {
    return {{0, IDS_TOOL_CLOTHING_SIZES}, {IDC_LIST_TOOL_CHOICE, IDS_NAME_SIZE_TABLE}, {IDC_LIST_TOOL_TABLE, IDS_NAME_SIZES}};
}

}  // namespace tv
