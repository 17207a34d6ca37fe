#include "reference/sales_tax.h"

#include <algorithm>

namespace tv {

const SalesTaxRegion kSalesTaxRegions[kSalesTaxRegionCount] = {
    {{IDS_REGION_CANADA, L"Canada"}, L"CanVat.dat", 4},
    {{IDS_REGION_USA, L"USA"}, L"UsaVat.dat", 2},
    {{IDS_REGION_EUROPE, L"Europe"}, L"EuroVat.dat", 2},
};

std::vector<TaxColumn> SalesTaxColumns(int region, int screenWidth, int scrollBarWidth, const LayoutScale& scale) {
    if (region < 0 || region >= kSalesTaxRegionCount) return {};
    if (kSalesTaxRegions[region].columns == 4) {
        return {{scale.X(108), false}, {scale.X(58), true}, {scale.X(55), true}, {scale.X(55), true}};
    }
    // The name takes what the rate and a scroll bar leave of the screen;
    // a screen too narrow for that leaves it no room rather than a negative width.
    return {{std::max(0, screenWidth - scale.X(60) - scrollBarWidth), false}, {scale.X(60), true}};
}

SalesTaxText::SalesTaxText(std::wstring_view text, int columns) {
    LineReader lines(text);
    std::wstring_view titles;
    if (!lines.Next(titles)) return;
    titles_ = SplitTabFields(titles, columns);
    const size_t rest = static_cast<size_t>(titles.data() + titles.size() - text.data());
    rows_ = ListRows(std::wstring(text), RowReader{columns, CutTabFields}, kMostSalesTaxRows, rest);
}

}  // namespace tv
