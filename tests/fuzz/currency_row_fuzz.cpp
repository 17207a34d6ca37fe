// CurrencyCode.dat and Euro.dat, one reader: a three-character code, the name after the first TAB.
#include "fuzz.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    CheckEachRow(bytes, tv::kCurrencyRows, [](const tv::ListRow& row, std::wstring_view line) {
        line = tv::CutLongLine(line);
        const size_t tab = line.find(L'\t');
        FUZZ_CHECK(row.size() == 2 && row[0] == line.substr(0, 3));
        FUZZ_CHECK(row[1] == (tab == std::wstring_view::npos ? std::wstring_view() : line.substr(tab + 1)));
    });
}
