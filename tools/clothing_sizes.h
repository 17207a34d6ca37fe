// Clothing and shoe size equivalents between regions: seven constant tables
// of text, shown as they stand; nothing is computed.
#pragma once

#include <span>

#include "tools/calculator_common.h"

namespace tv {

struct SizeTable {
    ResourceString title;  // its entry in the table list
    std::span<const wchar_t* const> headers;
    std::span<const wchar_t* const> cells;  // row after row
    int wideColumn;  // the one column drawn wider, or -1

    int Columns() const { return static_cast<int>(headers.size()); }
    int Rows() const { return headers.empty() ? 0 : static_cast<int>(cells.size() / headers.size()); }
    // The text at `row`, `column`; nullptr outside the table.
    const wchar_t* Cell(int row, int column) const;
    // In logical pixels, before the screen's scale.
    int ColumnWidth(int column) const { return column == wideColumn ? 65 : 50; }
};

inline constexpr int kSizeTableCount = 7;

// The table at `index` in the order of the table list; nullptr outside it.
const SizeTable* SizeTableAt(int index);

}  // namespace tv
