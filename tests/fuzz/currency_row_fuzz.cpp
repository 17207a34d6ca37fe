// CurrencyCode.dat and Euro.dat, one reader: a three-character code, the
// name after the first TAB.
#include "fuzz_support.h"
#include "reference/code_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> text = fuzz::DataFileText(data, size);
    if (!text) return 0;
    const std::vector<tv::ListRow> rows = tv::RowsFromText(*text, tv::CurrencyRowFromLine);
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    FUZZ_CHECK(rows.size() == lines.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(rows[i].size() == 2);
        const std::wstring_view cut = tv::CutLongLine(lines[i]);
        FUZZ_CHECK(rows[i][0] == cut.substr(0, 3));
        const size_t tab = cut.find(L'\t');
        FUZZ_CHECK(rows[i][1] == (tab == std::wstring_view::npos ? std::wstring_view() : cut.substr(tab + 1)));
    }
    return 0;
}
