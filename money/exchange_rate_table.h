// The exchange-rate file CurRates.dat: the date of its quotations and, per
// currency, the worth of one unit in a common base currency.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "tools/day_count.h"

namespace tv {

// The date of the quotations, laid out as the system's SYSTEMTIME.
struct CalendarDate : DateTimeFields {
    // The current local date and time (Windows only).
    static CalendarDate Now();
    // Stores the date and its day of week; the time is kept.
    void SetDate(uint16_t newYear, uint16_t newMonth, uint16_t newDay);
    // A date the system can show: a damaged file's date is not.
    bool IsValid() const { return FileTimeTicks(*this).has_value(); }
};

// Why a rate file that is there could not be read.
enum class RateFileProblem { kInUse, kDenied, kNotRates };

// 0 Sunday to 6 Saturday for a month of 1 to 12; other months give 0.
uint16_t DayOfWeek(int year, int month, int day);

class ExchangeRateTable {
public:
    // The file at `path`; the date is `now` until a file is loaded.
    ExchangeRateTable(std::wstring path, const CalendarDate& now) : path_(std::move(path)), date_(now) {}

    // The table of the user's CurRates.dat, dated now (Windows only).
    static ExchangeRateTable OfUserFile();

    // Whether the file is there (Windows only).
    bool Exists() const;
    // Reads the file anew; false when it cannot be opened or read, and then
    // `problem`, when given, says why (Windows only). A malformed file still loads.
    bool Load(RateFileProblem* problem = nullptr);
    // Takes a file's text: the first line the date, one currency per line after it.
    void LoadText(std::wstring_view text);

    // The stored worth of `code`, letter case counting; 0 for a code not listed.
    double ValueOf(const std::wstring& code) const;
    // Units of `to` one unit of `from` buys; 0 when either has no worth.
    double CrossRate(const std::wstring& from, const std::wstring& to) const;
    const CalendarDate& Date() const { return date_; }
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
    std::map<std::wstring, double> rates_;
    CalendarDate date_;
};

}  // namespace tv
