// What the list tools share: emptying a list view of rows and columns,
// appending a row of texts, shading every other row, and their layout.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/owned_handle.h"

namespace tv {

// Deletes every row, then every column.
void ClearListView(HWND list);

// Appends a row at the end: the first text as the item, the others in the
// further columns. Returns the row's index, or -1 when it could not be added.
int AppendListRow(HWND list, const std::vector<std::wstring>& texts);

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
    OwnedBrush brush_;
};

}  // namespace tv
