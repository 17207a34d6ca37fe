// Countries.dat: a name in fixed columns and the dialing code after them.
#include <cwctype>

#include "fuzz_support.h"
#include "reference/code_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CheckEachRow(data, size, tv::kCountryRows, [](const tv::ListRow& row, std::wstring_view line) {
        FUZZ_CHECK(row.size() == 2);
        const std::wstring& name = row[0];
        const std::wstring& code = row[1];
        const std::wstring_view cut = tv::CutLongLine(line);
        FUZZ_CHECK(name.size() <= 41 && code.size() <= 87);
        FUZZ_CHECK(name.empty() || !std::iswspace(static_cast<wint_t>(name.back())));
        // The name and the blanks after it fill the name columns; the code is the rest.
        FUZZ_CHECK(cut.substr(0, name.size()) == name);
        for (wchar_t c : cut.substr(name.size(), 41 - name.size())) FUZZ_CHECK(std::iswspace(static_cast<wint_t>(c)));
        FUZZ_CHECK(code == (cut.size() > 41 ? cut.substr(41) : std::wstring_view()));
    });
    return 0;
}
