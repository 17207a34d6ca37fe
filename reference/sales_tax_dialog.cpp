#include "reference/sales_tax_dialog.h"

#include <utility>

#include "app/window_text.h"
#include "platform/shell_layer.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace tv {

SalesTaxDialog::SalesTaxDialog(std::wstring dataFolder)
    : ListToolDialog(L"clothes"), dataFolder_(std::move(dataFolder)), stripes_(RGB(207, 217, 246)) {}


bool SalesTaxDialog::OnInitDialog() {
    SetUpConventions(0, false);
    list_ = MakeVirtualListView(dialog_, IDC_LIST_TOOL_TABLE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    HWND choice = GetDlgItem(dialog_, IDC_LIST_TOOL_CHOICE);
    for (const SalesTaxRegion& region : kSalesTaxRegions) AddStringToList(choice, region.name.id);
    SendMessageW(choice, CB_SETCURSEL, 0, 0);
    ShowRegion(0);
    return true;
}

std::wstring SalesTaxDialog::PathOf(const wchar_t* fileName) const {
    return dataFolder_.empty() ? DataFilePath(fileName) : dataFolder_ + fileName;
}

void SalesTaxDialog::ShowRegion(int region) {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ClearListView(list_);
    table_.reset();
    // No region chosen, or a file that cannot be read: no columns, no rows.
    const std::optional<std::wstring> text =
        region >= 0 && region < kSalesTaxRegionCount ? ReadDataFile(PathOf(kSalesTaxRegions[region].fileName))
                                                     : std::nullopt;
    if (text) {
        table_.emplace(*text, kSalesTaxRegions[region].columns);
        const std::vector<TaxColumn> layout = SalesTaxColumns(
            region, shell::DeviceScreenSize(Scale()).cx, GetSystemMetrics(SM_CXVSCROLL), Scale());
        for (size_t column = 0; column < table_->Titles().size() && column < layout.size(); ++column) {
            InsertListColumn(list_, static_cast<int>(column), table_->Titles()[column].c_str(), layout[column].width,
                             layout[column].rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT);
        }
    }
    // The list asks for each row's fields as it draws it.
    SendMessageW(list_, LVM_SETITEMCOUNT, table_ ? table_->RowCount() : 0, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

bool SalesTaxDialog::OnTableNotify(NMHDR& header, LRESULT& answer) {
    if (header.code == LVN_GETDISPINFOW) {
        auto& request = reinterpret_cast<NMLVDISPINFOW&>(header);
        AnswerCellText(request, table_ ? table_->Field(static_cast<size_t>(request.item.iItem), request.item.iSubItem)
                                       : std::wstring_view());
        return true;
    }
    if (header.code == LVN_ODFINDITEMW) {
        const auto& search = reinterpret_cast<NMLVFINDITEMW&>(header);
        answer = FindListRow(search.lvfi, search.iStart, table_ ? table_->RowCount() : 0,
                             [this](size_t row) { return table_->Field(row, 0); });
        return true;
    }
    return false;
}

std::vector<ToolDialog::ReaderName> SalesTaxDialog::ReaderNames() const {
    return {{0, IDS_TOOL_SALES_TAX}, {IDC_LIST_TOOL_CHOICE, IDS_NAME_REGION}, {IDC_LIST_TOOL_TABLE, IDS_NAME_TAX_RATES}};
}

}  // namespace tv
