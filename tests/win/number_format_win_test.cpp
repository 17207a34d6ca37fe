// Formatting with the system's own locale calls (English, United States).
#include <windows.h>

#include <gtest/gtest.h>

#include <limits>

#include "numfmt/locale_number_format.h"

namespace {

std::wstring Show(double v, unsigned d, bool group) {
    return tv::FormatDisplayNumber(v, d, group, tv::LocaleNumberGrouping());
}

}  // namespace

TEST(LocaleNumberFormat, GroupsWithTheUserLocale) {
    EXPECT_EQ(tv::LocaleNumberGrouping().DecimalSeparator(), L".");
    EXPECT_EQ(tv::GroupNumberText(L"1234567.5", 2), L"1,234,567.50");
    EXPECT_EQ(tv::GroupNumberText(L"-1234567.25", 2), L"-1,234,567.25");
    EXPECT_EQ(tv::GroupNumberText(L"12", 0), L"12");
    EXPECT_EQ(tv::GroupNumberText(L"12a", 0), L"");  // not a plain number
}

TEST(LocaleNumberFormat, DisplayExamples) {
    EXPECT_EQ(Show(1234.5678, 2, true), L"1,234.5678");
    EXPECT_EQ(Show(1234.5, 0, true), L"1,234.5");
    EXPECT_EQ(Show(1000, 0, true), L"1,000.00000000");
    EXPECT_EQ(Show(1000, 0, false), L"1000.");
    EXPECT_EQ(Show(-12.5, 3, true), L"-12.500000");
    EXPECT_EQ(Show(-1234.5, 0, true), L"-1,234.5");
    EXPECT_EQ(Show(453.592376254, 0, true), L"453.59237625399999");
    EXPECT_EQ(Show(0.999999999, 0, true), L"0.999999999");
    EXPECT_EQ(Show(1e20, 2, true), L"100,000,000,000,000,000,000.0000");
    EXPECT_EQ(Show(std::numeric_limits<double>::infinity(), 2, true), tv::kNotFiniteText);
}

TEST(LocaleNumberFormat, LongNumbersAreGroupedWhole) {
    const std::wstring shown = Show(1e300, 0, true);
    EXPECT_EQ(shown.size(), 301u + 100u + 9u);
    EXPECT_EQ(shown.substr(0, 8), L"1,000,00");
    const std::wstring largest = Show(-1.7976931348623157e308, 4, true);
    EXPECT_EQ(largest.size(), 1u + 309u + 102u + 9u);
    EXPECT_EQ(largest.substr(0, 5), L"-179,");
}

TEST(LocaleNumberFormat, TheProgramSettingsDriveTheDisplay) {
    tv::AppSettings s;
    s.DeciSize = 1;
    s.GroupDigits = true;
    EXPECT_EQ(tv::FormatDisplayNumber(98765.4321, s), L"98,765.43");
    s.DeciSize = 65535;  // damaged: shown as the default four decimals
    s.GroupDigits = false;
    EXPECT_EQ(tv::FormatDisplayNumber(2.0 / 3.0, s), L"0.6667");
}

TEST(LocaleNumberFormat, OurFormattingAgreesWithTheSystem) {
    // Long numbers are formatted by our own code; it must say what the system says.
    // (No rounding carry into a new group: Wine 8 then leaves the separator out.)
    const wchar_t* inputs[] = {L"0", L"5", L"-5", L"0.5", L"-0.5", L".25", L"12.345", L"999.49",
                               L"-99.5", L"1234567", L"-1234567.891", L"100000000000000000000.5",
                               L"00012", L"1.", L"0.0001", L"987654321987654321987654321.123456789"};
    int compared = 0;
    for (unsigned grouping : {0u, 3u, 32u, 30u, 4u}) {
        for (unsigned order = 0; order <= 4; ++order) {
            for (unsigned decimals : {0u, 2u, 9u}) {
                for (bool zero : {true, false}) {
                    tv::NumberFormat f;
                    f.grouping = grouping;
                    f.negativeOrder = order;
                    f.decimals = decimals;
                    f.leadingZero = zero;
                    f.decimalSep = grouping == 4 ? L"<>" : L",";
                    f.thousandSep = grouping == 4 ? L"" : L"\u00A0";
                    for (const wchar_t* in : inputs) {
                        EXPECT_EQ(tv::ApplyNumberFormat(in, f), tv::SystemNumberFormat(in, f))
                            << "grouping " << grouping << " order " << order << " decimals "
                            << decimals << " zero " << zero;
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_EQ(compared, 5 * 5 * 3 * 2 * 16);
}

TEST(ParseNumberText, ReadsThroughTheAnsiCodePage) {
    EXPECT_EQ(tv::ParseNumberText(L"1,234.5"), 1.0);
    EXPECT_EQ(tv::ParseNumberText(L" 12abc"), 12.0);
    EXPECT_EQ(tv::ParseNumberText(L"-2.5e2"), -250.0);
    EXPECT_EQ(tv::ParseNumberText(L"\u00B2"), 0.0);
    EXPECT_EQ(tv::ParseNumberText(L"\u20AC5"), 0.0);
    EXPECT_EQ(tv::ParseNumberText(std::wstring(100, L'\u4E00')), 0.0);
}
