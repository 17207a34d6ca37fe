// Countries.dat: a name in fixed columns and the dialing code after them.
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CheckEachRow(data, size, tv::kCountryRows, [](const tv::ListRow& row, std::wstring_view line) {
        const std::wstring_view cut = tv::CutLongLine(line);
        FUZZ_CHECK(row.size() == 2 && row[0].size() <= 41 && row[1].size() <= 87);
        FUZZ_CHECK(row[0].empty() || !std::iswspace(static_cast<wint_t>(row[0].back())));
        // The name and the blanks after it fill the name columns; the code is the rest.
        FUZZ_CHECK(cut.starts_with(row[0]));
        for (wchar_t c : cut.substr(row[0].size(), 41 - row[0].size()))
            FUZZ_CHECK(std::iswspace(static_cast<wint_t>(c)));
        FUZZ_CHECK(row[1] == (cut.size() > 41 ? cut.substr(41) : std::wstring_view()));
    });
    return 0;
}
