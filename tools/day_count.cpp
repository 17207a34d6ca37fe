#include "tools/day_count.h"

namespace tv {
namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kTicksPerDay = 864'000'000'000;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1601-01-01 to the given date, which must exist.
int64_t DayNumber(int year, int month, int day) {
    const int64_t y = year - 1601;  // 1601 starts a 400-year cycle
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
    return days + day - 1;
}

}  // namespace

std::optional<int64_t> FileTimeTicks(const DateTimeFields& t) {
    if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12) return std::nullopt;
    if (t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return std::nullopt;
    if (t.hour > 23 || t.minute > 59 || t.second > 59 || t.milliseconds > 999) return std::nullopt;
    const int64_t seconds = (int64_t{t.hour} * 60 + t.minute) * 60 + t.second;
    return DayNumber(t.year, t.month, t.day) * kTicksPerDay + seconds * kTicksPerSecond +
           int64_t{t.milliseconds} * 10'000;
}

std::optional<int64_t> DaysBetween(DateTimeFields from, DateTimeFields to) {
    // Only the calendar dates count.
    for (DateTimeFields* t : {&from, &to}) t->hour = t->minute = t->second = t->milliseconds = 0;
    const std::optional<int64_t> start = FileTimeTicks(from);
    const std::optional<int64_t> end = FileTimeTicks(to);
    if (!start || !end) return std::nullopt;
    return (*end - *start) / kTicksPerDay;
}

std::wstring DaysBetweenText(const DateTimeFields& from, const DateTimeFields& to) {
    const std::optional<int64_t> days = DaysBetween(from, to);
    return days ? std::to_wstring(*days) : std::wstring();
}

}  // namespace tv
