// Sales tax and VAT rates of three regions, each from a TAB-separated data
// file whose first line holds the column titles.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/layout_scale.h"
#include "reference/data_text.h"
#include "tools/calculator_common.h"

namespace tv {

struct SalesTaxRegion {
    ResourceString name;     // its entry in the region list
    const wchar_t* fileName; // beside the program
    int columns;             // fields per line
};

inline constexpr int kSalesTaxRegionCount = 3;
extern const SalesTaxRegion kSalesTaxRegions[kSalesTaxRegionCount];

struct TaxColumn {
    int width;  // pixels
    bool rightAligned;
};

// The columns of region `region` on a screen `screenWidth` pixels wide with
// vertical scroll bars `scrollBarWidth` wide, at `scale`; none for a region
// outside the list.
std::vector<TaxColumn> SalesTaxColumns(int region, int screenWidth, int scrollBarWidth, const LayoutScale& scale);

// A region's table has tens of rows; a file with more rows than this is
// damaged, and the rows after it are left out. The bound the code lists have.
inline constexpr size_t kMostSalesTaxRows = size_t{1} << 20;

// A region file's text, cut into lines: the first line gives the titles,
// every further line one row, each line cut into `columns` fields by the TAB
// rule. The table keeps a copy of the text; a row is where its fields lie in it.
class SalesTaxText {
public:
    SalesTaxText(std::wstring_view text, int columns);

    // Empty when the text has no line.
    const std::vector<std::wstring>& Titles() const { return titles_; }
    size_t RowCount() const { return rows_.Count(); }
    // The fields of row `index` (0 is the line after the titles); none
    // beyond the last row.
    std::vector<std::wstring> Row(size_t index) const { return rows_.Row(index); }
    // One field of a row, empty outside the table; valid while the table lives.
    std::wstring_view Field(size_t index, int column) const { return rows_.Cell(index, column); }

private:
    std::vector<std::wstring> titles_;
    ListRows rows_;
};

}  // namespace tv
