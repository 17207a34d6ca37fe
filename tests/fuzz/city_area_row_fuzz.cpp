// CityArea.dat: three TAB-separated fields a line.
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CheckEachRow(data, size, tv::kCityAreaRows, [](const tv::ListRow& row, std::wstring_view line) {
        FUZZ_CHECK(row.size() == 3 && row[0].find(L'\t') == std::wstring::npos &&
                   row[1].find(L'\t') == std::wstring::npos);
        // With two TABs the fields are the line, cut; with fewer the rule's restart
        // may repeat text, but the last field is always a tail of the line.
        FUZZ_CHECK(std::ranges::count(line, L'\t') < 2 || row[0] + L'\t' + row[1] + L'\t' + row[2] == line);
        FUZZ_CHECK(line.ends_with(row[2]));
    });
    return 0;
}
