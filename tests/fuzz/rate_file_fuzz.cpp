// CurRates.dat as the currency converter reads it: the date line, then a code and a worth a line. Every
// cross rate between the codes it lists is a number.
#include "fuzz.h"
#include "money/exchange_rate_table.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    const std::optional<std::wstring> text = DataFileText(bytes);
    if (!text) return;
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate{});
    table.LoadText(*text);
    FUZZ_CHECK(table.Date().dayOfWeek <= 6);
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    for (size_t i = 1; i < std::min<size_t>(lines.size(), 8); ++i) {
        for (size_t k = 1; k < std::min<size_t>(lines.size(), 8); ++k)
            FUZZ_CHECK(std::isfinite(table.CrossRate(std::wstring(lines[i], 0, 3), std::wstring(lines[k], 0, 3))));
    }
}
