#include "reference/care_labels_dialog.h"

#include <utility>

#include "app/palette.h"
#include "app/window_text.h"
#include "platform/shell_layer.h"
#include "reference/list_view_rows.h"
#include "reference/mapped_text_file.h"
#include "resources/resource_ids.h"

namespace tv {

HICON LabelIcons::Get(uint16_t id) {
    const auto known = icons_.find(id);
    if (known != icons_.end()) return known->second.Get();
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    HICON icon =
        library_ ? static_cast<HICON>(LoadImageW(library_, MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0)) : nullptr;
    icons_.emplace(id, OwnedIcon(icon));
    return icon;
}

CareLabelsDialog::CareLabelsDialog(std::wstring dataFolder)
    : ListToolDialog(nullptr),
      dataFolder_(std::move(dataFolder)),
      // Only its icons are wanted: mapped as resources, no code of it runs.
      library_(LoadLibraryExW(PathOf(L"wLabels.dll").c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
      icons_(library_.Get()) {}

// White, or the window colour in high contrast.
static COLORREF ListBackground() { return PaletteColour(RGB(255, 255, 255), COLOR_WINDOW); }

std::wstring CareLabelsDialog::PathOf(const wchar_t* fileName) const {
    return dataFolder_.empty() ? DataFilePath(fileName) : dataFolder_ + fileName;
}

bool CareLabelsDialog::OnInitDialog() {
    SetUpConventions(0, false);
    // The dialog owns the image list, so the list must not destroy it.
    list_ = MakeVirtualListView(dialog_, IDC_LIST_TOOL_TABLE, LVS_NOCOLUMNHEADER | LVS_SHAREIMAGELISTS);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES);
    SendMessageW(list_, LVM_SETBKCOLOR, 0, ListBackground());
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = ColumnWidth();
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    rowHeight_.Reset(ImageList_Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), ILC_MASK, 0, 1));
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight_.Get()));

    // A file that cannot be read leaves the group list and the rows empty.
    HWND choice = GetDlgItem(dialog_, IDC_LIST_TOOL_CHOICE);
    if (const std::optional<std::wstring> text = ReadDataFile(PathOf(L"wLabels.dat"))) {
        book_ = ReadCareLabels(*text);
        SendMessageW(choice, CB_SETITEMDATA, AddStringToList(choice, IDS_ALL_LABELS),
                     static_cast<LPARAM>(kAllCareLabels));
        for (const CareLabelGroupName& group : book_.groups) {
            const LRESULT at = SendMessageW(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(group.name.c_str()));
            SendMessageW(choice, CB_SETITEMDATA, at, group.group);
        }
    }
    SendMessageW(choice, CB_SETCURSEL, 0, 0);
    ShowGroup(kAllCareLabels);
    return true;
}

// One column, as wide as the screen less the scroll bar.
int CareLabelsDialog::ColumnWidth() const {
    return shell::DeviceScreenSize(Scale()).cx - GetSystemMetrics(SM_CXVSCROLL);
}

void CareLabelsDialog::OnRescale() { SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, ColumnWidth()); }

void CareLabelsDialog::ShowGroup(int group) {
    // Emptied first: no row stays selected from the group shown before.
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    rows_ = CareLabelRows(book_, group);
    SendMessageW(list_, LVM_SETITEMCOUNT, rows_.size(), 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void CareLabelsDialog::DrawIcon(HDC dc, uint16_t id, int x, int y) {
    // Without the library, or without this icon in it, the place stays blank.
    if (HICON icon = icons_.Get(id)) {
        DrawIconEx(dc, x, y, icon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0, nullptr, DI_NORMAL);
    }
}

void CareLabelsDialog::DrawRow(const NMLVCUSTOMDRAW& draw) {
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    HDC dc = draw.nmcd.hdc;
    RECT r = {};
    r.left = LVIR_BOUNDS;
    if (!SendMessageW(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r))) return;
    const LayoutScale& scale = Scale();
    const UINT state = static_cast<UINT>(SendMessageW(list_, LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED));
    const int saved = SaveDC(dc);
    if (state & LVIS_SELECTED) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        // The list's own background, whatever brush the device context holds.
        SetDCBrushColor(dc, ListBackground());
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        SetTextColor(dc, PaletteColour(RGB(0, 0, 0), COLOR_WINDOWTEXT));
    }
    if (state & LVIS_FOCUSED) DrawFocusRect(dc, &r);
    InflateRect(&r, -scale.X(1), -scale.Y(1));

    const CareLabel* label =
        static_cast<size_t>(row) < rows_.size() ? CareLabelOfRow(book_, rows_[static_cast<size_t>(row)]) : nullptr;
    if (label) {
        const int step = GetSystemMetrics(SM_CXICON) + scale.X(2);
        DrawIcon(dc, label->firstIcon, r.left, r.top);
        r.left += step;
        if (label->secondIcon) DrawIcon(dc, label->secondIcon, r.left, r.top);
        r.left += step;  // every meaning starts in one column
        SetBkMode(dc, TRANSPARENT);
        // What does not fit ends at the last whole line, never half a line of text.
        DrawTextW(dc, label->meaning.c_str(), static_cast<int>(label->meaning.size()), &r,
                  DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    }
    RestoreDC(dc, saved);
}

void CareLabelsDialog::Choose(HWND choice, int position) {
    if (position != CB_ERR) ShowGroup(static_cast<int>(SendMessageW(choice, CB_GETITEMDATA, position, 0)));
}

bool CareLabelsDialog::OnTableNotify(NMHDR& header, LRESULT& answer) {
    // Rows are drawn, not written: their texts are empty, and typing finds none.
    if (header.code == LVN_GETDISPINFOW) {
        AnswerCellText(reinterpret_cast<NMLVDISPINFOW&>(header), {});
        return true;
    }
    if (header.code == LVN_ODFINDITEMW) {
        answer = -1;
        return true;
    }
    return false;
}

bool CareLabelsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_NCDESTROY) icons_.Clear();  // the dialog has ended
    // The list's own background follows a change to or from high contrast.
    if ((message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) && list_)
        SendMessageW(list_, LVM_SETBKCOLOR, 0, ListBackground());
    return ListToolDialog::OnMessage(message, wParam, lParam, result);
}

LRESULT CareLabelsDialog::DrawTable(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    DrawRow(draw);
    return CDRF_SKIPDEFAULT;
}

std::vector<ToolDialog::ReaderName> CareLabelsDialog::ReaderNames() const {
    return {{0, IDS_TOOL_CARE_LABELS}, {IDC_LIST_TOOL_CHOICE, IDS_NAME_LABEL_GROUP}, {IDC_LIST_TOOL_TABLE, IDS_NAME_CARE_LABELS}};
}

}  // namespace tv
