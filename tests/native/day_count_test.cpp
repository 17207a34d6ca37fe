#include "tools/day_count.h"

#include <gtest/gtest.h>

using tv::DateTimeFields;

namespace {

DateTimeFields Date(int y, int m, int d, int hour = 0, int minute = 0, int ms = 0) {
    DateTimeFields t;
    t.year = static_cast<uint16_t>(y);
    t.month = static_cast<uint16_t>(m);
    t.day = static_cast<uint16_t>(d);
    t.hour = static_cast<uint16_t>(hour);
    t.minute = static_cast<uint16_t>(minute);
    t.milliseconds = static_cast<uint16_t>(ms);
    return t;
}

int64_t Days(const DateTimeFields& from, const DateTimeFields& to) { return tv::DaysBetween(from, to).value_or(-1e9); }

}  // namespace

TEST(DayCount, CalendarDatesMidnightToMidnight) {
    EXPECT_EQ(Days(Date(2004, 1, 1), Date(2004, 3, 1)), 60);
    EXPECT_EQ(tv::DaysBetweenText(Date(2004, 3, 1), Date(2004, 1, 1)), L"-60");
    EXPECT_EQ(Days(Date(1900, 1, 1), Date(2000, 1, 1)), 36524);
    EXPECT_EQ(Days(Date(1601, 1, 1), Date(30827, 12, 31)), 10674941);
    // The time of day never counts, even one the conversion would refuse.
    EXPECT_EQ(Days(Date(2024, 5, 1, 23, 59, 999), Date(2024, 5, 2, 0, 0, 1)), 1);
    EXPECT_EQ(Days(Date(2024, 5, 2, 0, 0, 1), Date(2024, 5, 1, 23, 59, 999)), -1);
    EXPECT_EQ(Days(Date(2024, 5, 1, 99, 99, 9999), Date(2024, 5, 1)), 0);
    EXPECT_EQ(tv::FileTimeTicks(Date(1970, 1, 1)), 116444736000000000);  // the Unix epoch
    EXPECT_EQ(tv::FileTimeTicks(Date(1601, 1, 1, 0, 0, 1)), 10000);
}

TEST(DayCount, DatesThePlatformRefusesGiveNoCount) {
    for (const DateTimeFields& bad : {Date(2003, 2, 29), Date(1900, 2, 29), Date(2024, 4, 31), Date(2024, 13, 1),
                                      Date(2024, 1, 0), Date(1600, 12, 31), Date(30828, 1, 1), Date(65535, 0, 65535)}) {
        EXPECT_FALSE(tv::FileTimeTicks(bad).has_value());
        EXPECT_EQ(tv::DaysBetweenText(Date(2024, 1, 1), bad), L"");
    }
    EXPECT_TRUE(tv::FileTimeTicks(Date(2000, 2, 29)).has_value());
    EXPECT_FALSE(tv::FileTimeTicks(Date(2000, 1, 1, 24)).has_value());
}
