// Countries.dat: a name in fixed columns, the blanks after it, and the dialing code after them.
#include "fuzz.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    CheckEachRow(bytes, tv::kCountryRows, [](const tv::ListRow& row, std::wstring_view line) {
        line = tv::CutLongLine(line);
        FUZZ_CHECK(row.size() == 2 && row[0].size() <= 41 && line.starts_with(row[0]));
        FUZZ_CHECK(row[0].empty() || !std::iswspace(static_cast<wint_t>(row[0].back())));
        for (wchar_t c : line.substr(row[0].size(), 41 - row[0].size()))
            FUZZ_CHECK(std::iswspace(static_cast<wint_t>(c)));
        FUZZ_CHECK(row[1] == (line.size() > 41 ? line.substr(41) : std::wstring_view()));
    });
}
