// CityArea.dat: three TAB-separated fields a line.
#include <algorithm>

#include "fuzz_support.h"
#include "reference/code_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> text = fuzz::DataFileText(data, size);
    if (!text) return 0;
    const std::vector<tv::ListRow> rows = tv::RowsFromText(*text, tv::CityAreaRowFromLine);
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    FUZZ_CHECK(rows.size() == lines.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(rows[i].size() == 3);
        FUZZ_CHECK(rows[i][0].find(L'\t') == std::wstring::npos && rows[i][1].find(L'\t') == std::wstring::npos);
        // With two TABs the fields are the line, cut; with fewer the rule's
        // restart may repeat text, but the last field is always a tail of the line.
        const std::wstring_view line = lines[i];
        if (std::count(line.begin(), line.end(), L'\t') >= 2) {
            FUZZ_CHECK(rows[i][0] + L'\t' + rows[i][1] + L'\t' + rows[i][2] == line);
        }
        FUZZ_CHECK(line.ends_with(rows[i][2]));
    }
    return 0;
}
