// CityArea.dat: three TAB-separated fields a line; with two TABs they are the line, cut.
#include "fuzz.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    CheckEachRow(bytes, tv::kCityAreaRows, [](const tv::ListRow& row, std::wstring_view line) {
        FUZZ_CHECK(row.size() == 3 && line.ends_with(row[2]));
        FUZZ_CHECK(std::ranges::count(line, L'\t') < 2 || row[0] + L'\t' + row[1] + L'\t' + row[2] == line);
    });
}
