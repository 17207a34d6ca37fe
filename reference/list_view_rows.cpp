#include "reference/list_view_rows.h"

#include "resources/resource_ids.h"

namespace tv {

void ClearListView(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    while (header && SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) > 0) {
        if (!SendMessageW(list, LVM_DELETECOLUMN, 0, 0)) break;  // never loop on a column that stays
    }
}

int AppendListRow(HWND list, const std::vector<std::wstring>& texts) {
    if (texts.empty()) return -1;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<wchar_t*>(texts[0].c_str());
    const int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return -1;
    for (size_t column = 1; column < texts.size(); ++column) {
        LVITEMW cell = {};
        cell.mask = LVIF_TEXT;
        cell.iItem = row;
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<wchar_t*>(texts[column].c_str());
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

std::wstring ListItemText(HWND list, int row, int column) {
    std::vector<wchar_t> text(256);
    for (;;) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(text.size()) - 1) return text.data();
        text.resize(text.size() * 2);
    }
}

void InsertListColumn(HWND list, int position, const wchar_t* title, int width, int format) {
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    SendMessageW(list, LVM_INSERTCOLUMNW, position, reinterpret_cast<LPARAM>(&column));
}

void LayOutListTool(HWND dialog, int width, int height) {
    HWND choice = GetDlgItem(dialog, IDC_LIST_TOOL_CHOICE);
    RECT r;
    if (!choice || !GetWindowRect(choice, &r)) return;
    // The closed field's height; the drop-down part keeps its own.
    const int choiceHeight = r.bottom - r.top;
    MoveWindow(choice, 0, 0, width, choiceHeight, TRUE);
    MoveWindow(GetDlgItem(dialog, IDC_LIST_TOOL_TABLE), 0, choiceHeight, width, height - choiceHeight, TRUE);
}

RowStripes::RowStripes(COLORREF colour) : colour_(colour), brush_(CreateSolidBrush(colour)) {}

LRESULT RowStripes::Draw(NMLVCUSTOMDRAW& draw) const {
    const bool even = draw.nmcd.dwItemSpec % 2 == 0;
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTERASE;
        case CDDS_ITEMPREPAINT:
            if (!even) return CDRF_DODEFAULT;
            draw.clrTextBk = colour_;
            return CDRF_NEWFONT;
        case CDDS_ITEMPOSTERASE:
            if (even && brush_) FillRect(draw.nmcd.hdc, &draw.nmcd.rc, brush_.Get());
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

}  // namespace tv
