// Formatting with the system's own locale calls (English, United States):
// what the native tests' fake grouping cannot show.
#include <windows.h>

#include <gtest/gtest.h>

#include "numfmt/locale_number_format.h"

// The locale's separators and grouping reach the display. Past the longest
// text the system is given, the number is grouped here, whole.
TEST(LocaleNumberFormat, GroupsWithTheUserLocale) {
    EXPECT_EQ(tv::LocaleNumberGrouping().DecimalSeparator(), L".");
    EXPECT_EQ(tv::GroupNumberText(L"-1234567.25", 2), L"-1,234,567.25");
    EXPECT_EQ(tv::GroupNumberText(L"12a", 0), L"");  // not a plain number
    const std::wstring largest = tv::FormatDisplayNumber(-1.7976931348623157e308, 4, true, tv::LocaleNumberGrouping());
    EXPECT_EQ(largest.size(), 1u + 309u + 102u + 9u);
    EXPECT_EQ(largest.substr(0, 5), L"-179,");
}

TEST(LocaleNumberFormat, OurFormattingAgreesWithTheSystem) {
    // Long numbers are formatted by our own code; it must say what the system says.
    // (No rounding carry into a new group: Wine 8 then leaves the separator out.)
    const wchar_t* inputs[] = {L"0", L"5", L"-5", L"0.5", L"-0.5", L".25", L"12.345", L"999.49",
                               L"-99.5", L"1234567", L"-1234567.891", L"100000000000000000000.5",
                               L"00012", L"1.", L"0.0001", L"987654321987654321987654321.123456789"};
    for (unsigned grouping : {0u, 3u, 32u, 30u, 4u})
        for (unsigned order = 0; order <= 4; ++order)
            for (unsigned decimals : {0u, 2u, 9u})
                for (bool zero : {true, false}) {
                    const tv::NumberFormat f{decimals, zero, grouping, grouping == 4 ? L"<>" : L",",
                                             grouping == 4 ? L"" : L"\u00A0", order};
                    for (const wchar_t* in : inputs)
                        EXPECT_EQ(tv::ApplyNumberFormat(in, f), tv::SystemNumberFormat(in, f))
                            << "grouping " << grouping << " order " << order << " decimals " << decimals
                            << " zero " << zero;
                }
}

TEST(ParseNumberText, ReadsThroughTheAnsiCodePage) {
    EXPECT_EQ(tv::ParseNumberText(L" -2.5e2x"), -250.0);
    EXPECT_EQ(tv::ParseNumberText(L"\u00B2"), 0.0);
    EXPECT_EQ(tv::ParseNumberText(L"\u20AC5"), 0.0);
    EXPECT_EQ(tv::ParseNumberText(std::wstring(100, L'\u4E00')), 0.0);
}
