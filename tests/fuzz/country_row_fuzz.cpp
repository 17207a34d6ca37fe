// Countries.dat: a name in fixed columns and the dialing code after them.
#include <cwctype>

#include "fuzz_support.h"
#include "reference/code_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> text = fuzz::DataFileText(data, size);
    if (!text) return 0;
    const std::vector<tv::ListRow> rows = tv::RowsFromText(*text, tv::CountryRowFromLine);
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    FUZZ_CHECK(rows.size() == lines.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(rows[i].size() == 2);
        const std::wstring& name = rows[i][0];
        const std::wstring& code = rows[i][1];
        const std::wstring_view cut = tv::CutLongLine(lines[i]);
        FUZZ_CHECK(name.size() <= 41 && code.size() <= 87);
        FUZZ_CHECK(name.empty() || !std::iswspace(static_cast<wint_t>(name.back())));
        // The name and the blanks after it fill the name columns; the code is the rest.
        FUZZ_CHECK(cut.substr(0, name.size()) == name);
        for (wchar_t c : cut.substr(name.size(), 41 - name.size())) FUZZ_CHECK(std::iswspace(static_cast<wint_t>(c)));
        FUZZ_CHECK(code == (cut.size() > 41 ? cut.substr(41) : std::wstring_view()));
    }
    return 0;
}
