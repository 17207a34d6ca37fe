// Any bytes as every data file reader takes them: the text, its lines, the long-line cut and the TAB field rule
// the readers share; then as each file: the code lists, the tax tables, the care labels and the rate file.
#include "fuzz.h"
#include "money/exchange_rate_table.h"
#include "reference/care_labels.h"
#include "reference/sales_tax.h"

namespace {

// The text as DecodeDataText gives it, whatever ends the bytes: every character that ends no line is in
// exactly one line, in order; with a TAB for every field boundary the fields are the line, cut.
void CheckLines(std::string_view bytes) {
    const std::optional<std::wstring> text = tv::DecodeDataText(bytes);
    const bool unicode = bytes.starts_with("\xFF\xFE");
    FUZZ_CHECK(text || (unicode && (bytes.size() < 4 || (bytes[2] == 0 && bytes[3] == 0))));
    if (!text) return;
    FUZZ_CHECK(text->find(L'\0') == std::wstring::npos);
    FUZZ_CHECK(unicode ? text->size() <= (bytes.size() - 2) / 2
                       : text->size() == std::min(bytes.find('\0'), bytes.size()));
    size_t inLines = 0;
    const wchar_t* previous = text->data();
    for (std::wstring_view line : tv::SplitLines(*text)) {
        FUZZ_CHECK(!line.empty() && line.data() >= previous && line.find_first_of(L"\r\n") == line.npos);
        previous = line.data() + line.size();
        inLines += line.size();
        FUZZ_CHECK(tv::CutLongLine(line).size() == (line.size() > 128 ? 127 : line.size()));
        const int count = bytes[0] % 8 - 1;  // -1 to 6
        const std::vector<std::wstring> fields = tv::SplitTabFields(line, count);
        std::wstring joined;
        for (size_t k = 0; k < fields.size(); ++k) joined += (k ? L"\t" : L"") + fields[k];
        FUZZ_CHECK(fields.size() == static_cast<size_t>(std::max(count, 0)) &&
                   (count <= 0 || std::ranges::count(line, L'\t') < count - 1 || joined == line));
        (void)tv::ReadLeadingInteger(line);
    }
    FUZZ_CHECK(inLines + std::ranges::count_if(*text, [](wchar_t c) { return c == L'\r' || c == L'\n'; }) ==
               text->size());
}

}  // namespace

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider& in) {
    CheckLines(bytes);
    const std::optional<std::wstring> text = DataFileText(bytes);
    if (!text) return;
    // Each code list keeps a row for each line, the one its reader cuts from that line alone.
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    for (const tv::RowReader* reader : {&tv::kCountryRows, &tv::kCityAreaRows, &tv::kCurrencyRows}) {
        const tv::ListRows rows(*text, *reader, tv::kMostCodeListRows);
        FUZZ_CHECK(rows.Count() == lines.size());
        for (size_t i = 0; i < rows.Count(); ++i) FUZZ_CHECK(rows.Row(i) == tv::ReadRow(*reader, lines[i]));
    }
    // Each region's tax file: a title row, then up to the most rows, each as wide as the region's table.
    for (const tv::SalesTaxRegion& region : tv::kSalesTaxRegions) {
        const tv::SalesTaxText table(*text, region.columns);
        FUZZ_CHECK(table.Titles().size() == (lines.empty() ? 0 : static_cast<size_t>(region.columns)));
        FUZZ_CHECK(table.RowCount() == std::min(lines.empty() ? 0 : lines.size() - 1, tv::kMostSalesTaxRows));
        for (size_t i = 0; i <= table.RowCount(); ++i)
            FUZZ_CHECK(std::ssize(table.Row(i)) == (i < table.RowCount() ? region.columns : 0));
    }
    // The care labels: known groups, and every row the list makes names its label; any other key none or a real one.
    const tv::CareLabelBook book = tv::ReadCareLabels(*text);
    for (const tv::CareLabelGroupName& group : book.groups)
        FUZZ_CHECK(group.group >= 0 && group.group < tv::kCareLabelGroups);
    const std::vector<uint64_t> all = tv::CareLabelRows(book, tv::kAllCareLabels);
    FUZZ_CHECK(all.size() == book.labelCount && all.size() <= tv::kMostCareLabels);
    for (uint64_t key : all) FUZZ_CHECK(tv::CareLabelOfRow(book, key) == &book.labels[key & 0xFFFF][key >> 16]);
    const tv::CareLabel* label = tv::CareLabelOfRow(book, in.ConsumeIntegral<uint64_t>());
    FUZZ_CHECK(!label || (label->firstIcon >= 100 && label->meaning.size() <= 122));
    // The rate file: every cross rate between the codes it lists is a number.
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate{});
    table.LoadText(*text);
    FUZZ_CHECK(table.Date().dayOfWeek <= 6);
    for (size_t i = 1; i < std::min<size_t>(lines.size(), 8); ++i)
        for (size_t k = 1; k < std::min<size_t>(lines.size(), 8); ++k)
            FUZZ_CHECK(std::isfinite(table.CrossRate(std::wstring(lines[i], 0, 3), std::wstring(lines[k], 0, 3))));
}
