// CurrencyCode.dat and Euro.dat, one reader: a three-character code, the name after the first TAB.
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CheckEachRow(data, size, tv::kCurrencyRows, [](const tv::ListRow& row, std::wstring_view line) {
        const std::wstring_view cut = tv::CutLongLine(line);
        const size_t tab = cut.find(L'\t');
        FUZZ_CHECK(row.size() == 2 && row[0] == cut.substr(0, 3));
        FUZZ_CHECK(row[1] == (tab == std::wstring_view::npos ? std::wstring_view() : cut.substr(tab + 1)));
    });
    return 0;
}
