// CurRates.dat as the currency converter reads it: the date line, then a code and a worth a line.
#include <map>

#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> text = fuzz::DataFileText(data, size);
    if (!text) return 0;
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate{});
    table.LoadText(*text);
    (void)table.Date().IsValid();
    FUZZ_CHECK(table.Date().dayOfWeek <= 6);
    // Each code has the worth of its last line; every cross rate is a number.
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    std::map<std::wstring, double> last;
    for (size_t i = 1; i < lines.size(); ++i) {
        last[std::wstring(lines[i].substr(0, 3))] = tv::ParseNumberText(lines[i].size() > 4 ? lines[i].substr(4) : L"");
    }
    std::vector<std::wstring> codes;
    for (const auto& [code, worth] : last) {
        FUZZ_CHECK(table.ValueOf(code) == worth);
        if (codes.size() < 8) codes.push_back(code);
    }
    for (const std::wstring& from : codes) {
        for (const std::wstring& to : codes) FUZZ_CHECK(std::isfinite(table.CrossRate(from, to)));
    }
    return 0;
}
