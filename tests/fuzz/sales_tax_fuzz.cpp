// The three tax files: each input read as every region reads its file, a title row and up to the most rows.
#include "fuzz.h"
#include "reference/sales_tax.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    const std::optional<std::wstring> text = DataFileText(bytes);
    const size_t lines = text ? tv::SplitLines(*text).size() : 0;
    for (const tv::SalesTaxRegion& region : tv::kSalesTaxRegions) {
        const tv::SalesTaxText table(text.value_or(L""), region.columns);
        FUZZ_CHECK(table.Titles().size() == (lines ? static_cast<size_t>(region.columns) : 0));
        FUZZ_CHECK(table.RowCount() == std::min(lines ? lines - 1 : 0, tv::kMostSalesTaxRows));
        for (size_t i = 0; i <= table.RowCount(); ++i)
            FUZZ_CHECK(std::ssize(table.Row(i)) == (i < table.RowCount() ? region.columns : 0));
    }
}
