#include "money/exchange_rate_table.h"

#include <cmath>
#include <cstdlib>

#include "numfmt/number_text.h"
#include "reference/data_text.h"

namespace tv {
namespace {

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

std::wstring_view Part(std::wstring_view line, size_t from, size_t length) {
    return from < line.size() ? line.substr(from, length) : std::wstring_view();
}

}  // namespace

uint16_t DayOfWeek(int year, int month, int day) {
    if (month < 1 || month > 12) return 0;
    // January and February count as months 13 and 14 of the year before.
    const int64_t m = month <= 2 ? month + 12 : month;
    const int64_t y = month <= 2 ? int64_t{year} - 1 : year;
    const int64_t h =
        day + 2 * m + FloorDiv(3 * (m + 1), 5) + y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + 2;
    static const uint16_t kFromSaturday[7] = {6, 0, 1, 2, 3, 4, 5};
    return kFromSaturday[std::llabs(h) % 7];
}

void CalendarDate::SetDate(uint16_t newYear, uint16_t newMonth, uint16_t newDay) {
    year = newYear;
    month = newMonth;
    day = newDay;
    dayOfWeek = DayOfWeek(newYear, newMonth, newDay);
}

void ExchangeRateTable::LoadText(std::wstring_view text) {
    rates_.clear();
    bool first = true;
    for (std::wstring_view line : SplitLines(text)) {
        if (first) {
            // YYYYMMDD; whatever follows the eighth character is ignored.
            date_.SetDate(static_cast<uint16_t>(ReadLeadingInteger(Part(line, 0, 4))),
                          static_cast<uint16_t>(ReadLeadingInteger(Part(line, 4, 2))),
                          static_cast<uint16_t>(ReadLeadingInteger(Part(line, 6, 2))));
            first = false;
            continue;
        }
        // The fourth character separates code and value, whatever it is.
        rates_[std::wstring(line.substr(0, 3))] = ParseNumberText(Part(line, 4, std::wstring_view::npos));
    }
}

double ExchangeRateTable::ValueOf(const std::wstring& code) const {
    const auto found = rates_.find(code);
    return found == rates_.end() ? 0.0 : found->second;
}

double ExchangeRateTable::CrossRate(const std::wstring& from, const std::wstring& to) const {
    const double toValue = ValueOf(to);
    if (toValue == 0.0) return 0.0;
    const double rate = (1.0 / toValue) * ValueOf(from);
    // A worth beyond the double range is no rate at all: it would show as garbage.
    return std::isfinite(rate) ? rate : 0.0;
}

}  // namespace tv
