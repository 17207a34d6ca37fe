// What the list tools share: their virtual list views, answered row by row
// from the rows the tool keeps, emptying one of rows and columns, shading
// every other row, and their layout.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/owned_handle.h"

namespace tv {

// Deletes every row, then every column.
void ClearListView(HWND list);

// Puts a virtual list view (LVS_OWNERDATA, which a list view takes only when
// it is made) in place of the template's list view `id`: the same id, place,
// size, styles (with `addStyles`), text, font and place in the tab order.
// Its rows are only counted (LVM_SETITEMCOUNT); their texts are asked for as
// they are drawn, so a list of any length opens at once. Returns the list,
// the template's own when no other could be made.
HWND MakeVirtualListView(HWND dialog, int id, DWORD addStyles = 0);

// Answers a list's request for a cell's text (LVN_GETDISPINFO) with `text`,
// cut to the room given as the list view cuts a text it keeps.
void AnswerCellText(NMLVDISPINFOW& request, std::wstring_view text);

// The first column's text of a row of `rows`.
using FirstColumnText = std::function<std::wstring_view(size_t row)>;

// The row a list view's search finds (LVM_FINDITEM, the type-ahead's
// LVN_ODFINDITEM): from row `start` (none: from the top) the first whose
// first column is `find.psz` (LVFI_STRING) or begins with it (LVFI_PARTIAL),
// letter case aside as the list view compares them, going on from the top
// with LVFI_WRAP; -1 for none or for any other search.
int FindListRow(const LVFINDINFOW& find, int start, size_t rows, const FirstColumnText& firstColumn);

// The text of a row's column, however long.
std::wstring ListItemText(HWND list, int row, int column = 0);

// Adds a column at `position` with a title, a width and an alignment.
void InsertListColumn(HWND list, int position, const wchar_t* title, int width, int format = LVCFMT_LEFT);

// Template 105's layout for a client area `width` x `height`: the choice
// list across the top at its closed height, the list view filling the rest.
void LayOutListTool(HWND dialog, int width, int height);

// Rows 0, 2, 4 ... drawn on one colour; owns the brush of that colour.
class RowStripes {
public:
    explicit RowStripes(COLORREF colour);

    COLORREF Colour() const { return colour_; }
    // The answer to a list's custom-draw notification.
    LRESULT Draw(NMLVCUSTOMDRAW& draw) const;

private:
    COLORREF colour_;
};

}  // namespace tv
