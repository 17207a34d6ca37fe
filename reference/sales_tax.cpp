#include "reference/sales_tax.h"

#include <algorithm>

#include "reference/data_text.h"

namespace tv {

const SalesTaxRegion kSalesTaxRegions[kSalesTaxRegionCount] = {
    {{IDS_REGION_CANADA, L"Canada"}, L"CanVat.dat", 4},
    {{IDS_REGION_USA, L"USA"}, L"UsaVat.dat", 2},
    {{IDS_REGION_EUROPE, L"Europe"}, L"EuroVat.dat", 2},
};

std::vector<TaxColumn> SalesTaxColumns(int region, int screenWidth, int scrollBarWidth, int scale) {
    if (region < 0 || region >= kSalesTaxRegionCount) return {};
    if (kSalesTaxRegions[region].columns == 4) {
        return {{108 * scale, false}, {58 * scale, true}, {55 * scale, true}, {55 * scale, true}};
    }
    // The name takes what the rate and a scroll bar leave of the screen;
    // a screen too narrow for that leaves it no room rather than a negative width.
    return {{std::max(0, screenWidth - 60 * scale - scrollBarWidth), false}, {60 * scale, true}};
}

SalesTaxText::SalesTaxText(std::wstring_view text, int columns) : columns_(columns), rows_(SplitLines(text)) {
    if (rows_.empty()) return;
    titles_ = SplitTabFields(rows_.front(), columns_);
    rows_.erase(rows_.begin());
    if (rows_.size() > kMostSalesTaxRows) rows_.resize(kMostSalesTaxRows);
}

std::vector<std::wstring> SalesTaxText::Row(size_t index) const {
    return index < rows_.size() ? SplitTabFields(rows_[index], columns_) : std::vector<std::wstring>();
}

}  // namespace tv
