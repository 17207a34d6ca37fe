#include "reference/list_view_rows.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "app/palette.h"
#include "resources/resource_ids.h"

namespace tv {

void ClearListView(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    while (header && SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) > 0) {
        if (!SendMessageW(list, LVM_DELETECOLUMN, 0, 0)) break;  // never loop on a column that stays
    }
}

HWND MakeVirtualListView(HWND dialog, int id, DWORD addStyles) {
    HWND old = GetDlgItem(dialog, id);
    if (!old) return nullptr;
    const DWORD style = static_cast<DWORD>(GetWindowLongW(old, GWL_STYLE));
    RECT r;
    GetWindowRect(old, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    wchar_t text[64] = {};
    GetWindowTextW(old, text, 64);
    HWND list = CreateWindowExW(static_cast<DWORD>(GetWindowLongW(old, GWL_EXSTYLE)), WC_LISTVIEWW, text,
                                style | LVS_OWNERDATA | addStyles, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
    if (!list) return old;
    // The z-order is the tab order: the new list goes just behind the old, which then goes.
    SetWindowPos(list, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(list, WM_SETFONT, SendMessageW(old, WM_GETFONT, 0, 0), FALSE);
    DestroyWindow(old);
    return list;
}

void AnswerCellText(NMLVDISPINFOW& request, std::wstring_view text) {
    if (!(request.item.mask & LVIF_TEXT) || !request.item.pszText || request.item.cchTextMax <= 0) return;
    const size_t length = std::min(text.size(), static_cast<size_t>(request.item.cchTextMax) - 1);
    std::copy_n(text.data(), length, request.item.pszText);
    request.item.pszText[length] = L'\0';
}

namespace {

// Texts alike as the list view finds them: letter case aside, by the user's sort rules.
bool SameText(std::wstring_view a, std::wstring_view b) {
    return CompareStringW(GetThreadLocale(), NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

int FindListRow(const LVFINDINFOW& find, int start, size_t rows, const FirstColumnText& firstColumn) {
    if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || (find.flags & LVFI_PARAM) || !find.psz ||
        rows == 0 || rows > static_cast<size_t>(INT_MAX)) {
        return -1;
    }
    const bool prefix = find.flags & LVFI_PARTIAL;
    const std::wstring_view sought = find.psz;
    const auto matches = [&](std::wstring_view text) {
        return SameText(prefix ? text.substr(0, sought.size()) : text, sought);
    };
    // Beginning with one character is a matter of the first character: each is compared once.
    std::vector<signed char> byFirst(prefix && sought.size() == 1 ? 0x10000 : 0, -1);
    const signed char emptyMatches = byFirst.empty() ? -1 : static_cast<signed char>(matches({}));
    const size_t from = start >= 0 && static_cast<size_t>(start) < rows ? static_cast<size_t>(start) : 0;
    const size_t count = (find.flags & LVFI_WRAP) ? rows : rows - from;
    for (size_t k = 0; k < count; ++k) {
        const size_t row = (from + k) % rows;
        const std::wstring_view text = firstColumn(row);
        bool found;
        if (byFirst.empty()) {
            found = matches(text);
        } else if (text.empty()) {
            found = emptyMatches;
        } else {
            signed char& known = byFirst[static_cast<uint16_t>(text[0])];
            if (known < 0) known = static_cast<signed char>(matches(text));
            found = known;
        }
        if (found) return static_cast<int>(row);
    }
    return -1;
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

RowStripes::RowStripes(COLORREF colour) : colour_(colour) {}

LRESULT RowStripes::Draw(NMLVCUSTOMDRAW& draw) const {
    const bool even = draw.nmcd.dwItemSpec % 2 == 0;
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTERASE;
        case CDDS_ITEMPREPAINT:
            if (!even) return CDRF_DODEFAULT;
            draw.clrTextBk = PaletteColour(colour_, COLOR_WINDOW);  // no stripes in high contrast
            return CDRF_NEWFONT;
        case CDDS_ITEMPOSTERASE:
            if (even) {
                // The device context's own brush: a paint makes no brush.
                SetDCBrushColor(draw.nmcd.hdc, PaletteColour(colour_, COLOR_WINDOW));
                FillRect(draw.nmcd.hdc, &draw.nmcd.rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            }
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

}  // namespace tv
