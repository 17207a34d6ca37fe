// The platform's date-time record and ours, field for field.
#pragma once

#include <windows.h>

#include "tools/day_count.h"

namespace tv {

inline DateTimeFields FromSystemTime(const SYSTEMTIME& t) {
    DateTimeFields d;
    d.year = t.wYear;
    d.month = t.wMonth;
    d.dayOfWeek = t.wDayOfWeek;
    d.day = t.wDay;
    d.hour = t.wHour;
    d.minute = t.wMinute;
    d.second = t.wSecond;
    d.milliseconds = t.wMilliseconds;
    return d;
}

inline SYSTEMTIME ToSystemTime(const DateTimeFields& d) {
    return {d.year, d.month, d.dayOfWeek, d.day, d.hour, d.minute, d.second, d.milliseconds};
}

}  // namespace tv
