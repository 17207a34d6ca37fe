// The three tax files: each input read as every region reads its file.
#include "fuzz.h"
#include "reference/sales_tax.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> text = fuzz::DataFileText(data, size);
    if (!text) return 0;
    const size_t lines = tv::SplitLines(*text).size();
    for (const tv::SalesTaxRegion& region : tv::kSalesTaxRegions) {
        const tv::SalesTaxText table(*text, region.columns);
        FUZZ_CHECK(table.Titles().size() == (lines ? static_cast<size_t>(region.columns) : 0));
        FUZZ_CHECK(table.RowCount() == std::min(lines ? lines - 1 : 0, tv::kMostSalesTaxRows));
        for (size_t i = 0; i < table.RowCount(); ++i) FUZZ_CHECK(std::ssize(table.Row(i)) == region.columns);
        FUZZ_CHECK(table.Row(table.RowCount()).empty());
    }
    return 0;
}
