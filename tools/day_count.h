// Days between two calendar dates, counted the way the platform's file
// times count them: proleptic Gregorian days from 1 January 1601, midnight
// to midnight, no time zone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tv {

// The platform's eight-field date-time record, field for field, so a date
// picker's value copies straight in.
struct DateTimeFields {
    uint16_t year = 1601;
    uint16_t month = 1;
    uint16_t dayOfWeek = 0;  // never read
    uint16_t day = 1;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0;
};

// 100-nanosecond intervals since 1601-01-01 00:00, or nothing for a record
// the platform's conversion refuses (a year outside 1601 to 30827, a month
// or day that does not exist, a time beyond 23:59:59.999).
std::optional<int64_t> FileTimeTicks(const DateTimeFields& time);

// Days from `from` to `to`, negative when `to` is earlier; the time of day
// is ignored. Nothing when either date is refused.
std::optional<int64_t> DaysBetween(DateTimeFields from, DateTimeFields to);

// The Days field's text: the count in decimal, empty when there is none.
std::wstring DaysBetweenText(const DateTimeFields& from, const DateTimeFields& to);

}  // namespace tv
