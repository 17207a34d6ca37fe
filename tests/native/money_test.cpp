// The rate file, the amounts the money tools show, the euro's fixed rates and
// the unit price.
#include <gtest/gtest.h>

#include "fakes.h"
#include "money/euro_fixed_rates.h"
#include "money/exchange_rate_table.h"
#include "money/money_amounts.h"
#include "money/price_comparison.h"

namespace {

const FakeNumberGrouping kEnUs;

// Loaded at noon on 6 December 2026.
tv::ExchangeRateTable Loaded(std::wstring_view text) {
    tv::CalendarDate now;
    now.SetDate(2026, 12, 6);
    now.hour = 12;
    tv::ExchangeRateTable table(L"CurRates.dat", now);
    table.LoadText(text);
    return table;
}

}  // namespace

// The date line, then one currency per line, the value read as atof reads it
// and the code with its case; the last line of a code counts.
TEST(ExchangeRateFile, DateLineThenOneCurrencyPerLine) {
    const tv::ExchangeRateTable table =
        Loaded(L"20040115\r\nUSD\t1.0\r\n\r\nCAD,0.75\nGBP=1.5e0\nJPY 1,5\nusd 2\nXYZ\nAUD 9\nAUD 0.5 (last)");
    const tv::CalendarDate date = table.Date();  // a Thursday; the time is kept
    EXPECT_TRUE(date.year == 2004 && date.month == 1 && date.day == 15 && date.dayOfWeek == 4 && date.hour == 12);
    for (auto [code, value] : {std::pair{L"USD", 1.0}, {L"CAD", 0.75}, {L"GBP", 1.5}, {L"JPY", 1.0}, {L"usd", 2.0},
                               {L"XYZ", 0.0}, {L"AUD", 0.5}}) {
        EXPECT_EQ(table.ValueOf(code), value) << code;
    }
    // No division by a zero worth or by a code not listed.
    for (auto [from, to, rate] : {std::tuple{L"CAD", L"USD", 0.75}, {L"USD", L"XYZ", 0.0}, {L"HKD", L"USD", 0.0}}) {
        EXPECT_EQ(table.CrossRate(from, to), rate) << from << to;
    }
}

// A first line that is a currency takes the date's place and is lost.
TEST(ExchangeRateFile, DamagedDatesAndValuesLoadWithoutHarm) {
    const tv::ExchangeRateTable noDate = Loaded(L"USD 1.0\nCAD 0.75");
    EXPECT_TRUE(noDate.ValueOf(L"USD") == 0.0 && !noDate.Date().IsValid());
    for (const wchar_t* line : {L"20041315", L"20040230", L"2004"}) {
        const tv::ExchangeRateTable table = Loaded(std::wstring(line) + L"\nUSD 1");
        EXPECT_TRUE(!table.Date().IsValid() && table.ValueOf(L"USD") == 1.0) << line;
    }
    EXPECT_EQ(Loaded(L"20040115\nUSD 1e400\nCAD 1").CrossRate(L"USD", L"CAD"), 0.0);
    EXPECT_EQ(Loaded(L"20040115\nUSD 1\nCAD 1e400").CrossRate(L"USD", L"CAD"), 0.0);
}

// 1 January 1601 was a Monday; every later date is whole days on.
TEST(CalendarDate, DayOfWeekOfEveryDateAgreesWithDayCounting) {
    for (uint16_t year = 1601; year <= 9999; ++year) {
        for (int i = 0; i < 12 * 31; ++i) {  // the 31st of every month too
            const tv::DateTimeFields d{.year = year, .month = uint16_t(i / 31 + 1), .day = uint16_t(i % 31 + 1)};
            const auto ticks = tv::FileTimeTicks(d);
            if (!ticks) continue;
            ASSERT_EQ(tv::DayOfWeek(year, d.month, d.day), (*ticks / 864'000'000'000 + 1) % 7) << year;
        }
    }
    EXPECT_EQ(tv::DayOfWeek(2004, 13, 1), 0);  // no such month: no table entry
}

// A rate is shown whole in its field of 15 characters, or not at all; the
// amount is multiplied by the rate as shown, of the 32 characters a full
// amount field holds, and grouped in the locale's format with its own decimals.
TEST(MoneyAmounts, RateTimesAmountAsTheRateFieldShowsIt) {
    EXPECT_EQ(tv::RateText(0.75) + L" " + tv::RateText(1.3333333333333333), L"0.750000 1.333333");
    EXPECT_TRUE(tv::ShowableRate(12345678.5) == 12345678.5 && tv::ShowableRate(123456789.0) == 0.0);
    tv::NumberFormat german = Format(L",", L".");
    german.decimals = 3;
    const FakeNumberGrouping kGerman(german);
    const std::tuple<std::wstring, std::wstring, bool, const tv::NumberGrouping*, std::wstring> cases[] = {
        {L"3", tv::RateText(4.0 / 3.0), false, &kEnUs, L"4.00"}, {L" 12abc", L"2.5 typed", false, &kEnUs, L"30.00"},
        {L"1e308", L"1e10", true, &kEnUs, tv::kNotFiniteText},
        {std::wstring(31, L'0') + L"7", L"1", false, &kEnUs, L"7.00"},
        {std::wstring(32, L'0') + L"7", L"1", false, &kEnUs, L"0.00"},
        {L"10000", L"1.000000", true, &kEnUs, L"10,000.00"}, {L"10000", L"1.000000", true, &kGerman, L"10.000,000"},
    };
    for (const auto& [amount, rate, group, grouping, shown] : cases) {
        EXPECT_EQ(tv::ConvertedAmountText(amount, rate, group, *grouping), shown) << amount << " " << rate;
    }
}

// A locale with no decimals and no leading zero shows a negative amount below
// one half as a bare sign or bracket; the plain amount is shown instead.
TEST(MoneyAmounts, AnAmountTheLocaleShowsWithoutDigitsIsShownPlain) {
    const tv::FormatNumberGrouping rounding({.decimals = 0, .leadingZero = false, .negativeOrder = 0});
    for (auto [amount, shown] : {std::pair{-0.004, L"-0.00"}, {-0.6, L"(1)"}, {-1234.4, L"(1,234)"}}) {
        EXPECT_EQ(tv::MoneyAmountText(amount, true, rounding), shown) << amount;
    }
}

// A damaged stored selection falls back whole (and the fuzz target joins any split one back).
TEST(MoneyAmounts, SelectionsSplitIntoFiveCodesOrFallBack) {
    EXPECT_EQ(tv::SplitSelection(L"USDCADHKDEURCNY", L""),
              (tv::CurrencySelection{L"USD", L"CAD", L"HKD", L"EUR", L"CNY"}));
    EXPECT_EQ(tv::SplitSelection(L"USDCADHKDEURCN", L"EURDEMFRFITLNLG")[4], L"NLG");
}

// Divided by the source's rate, then times the target's; unknown codes, lower
// case too, are the euro. The later members come after the first thirteen,
// whose positions stay.
TEST(EuroFixedRates, DividedByTheSourceRateThenTimesTheTarget) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"100", L"DEM", L"FRF", L"335.39"}, {L"1000", L"ITL", L"EUR", L"0.52"}, {L"1", L"dem", L"DEM", L"1.96"},
        {L"1", L"", L"XXX", L"1.00"}, {L"100", L"BGN", L"EUR", L"51.13"}, {L"1", L"EUR", L"HRK", L"7.53"},
    };
    for (const auto& [amount, from, to, shown] : cases) {
        EXPECT_EQ(tv::EuroAmountText(amount, from, to, false, kEnUs), shown) << amount << from << to;
    }
    EXPECT_EQ(tv::EuroAmountText(L"1000000", L"EUR", L"ITL", true, kEnUs), L"1,936,270,000.00");
    EXPECT_TRUE(tv::EuroRateIndex(L"ESP") == 12 && tv::EuroRateIndex(L"SIT") == 13 && tv::EuroRateIndex(L"BGN") == 21);
}

// Two decimals, half cents up, grouped in the locale's way; the 16th
// character of the quantity is never read; a quantity below one changes nothing.
TEST(UnitPrice, TwoDecimalsHalfCentsUpGroupedInTheLocalesWay) {
    const FakeNumberGrouping german(Format(L",", L"."));
    const std::tuple<const wchar_t*, const wchar_t*, bool, const tv::NumberGrouping*, std::wstring> cases[] = {
        {L"0.25", L"2", false, &kEnUs, L"0.13"}, {L"abc", L" 4 pieces", false, &kEnUs, L"0.00"},
        {L"5", L"0000000000000010", false, &kEnUs, L"5.00"}, {L"1e400", L"2", false, &kEnUs, tv::kNotFiniteText},
        {L"3.99", L"0", false, &kEnUs, L"<unchanged>"}, {L"3.99", L"-1", false, &kEnUs, L"<unchanged>"},
        {L"-1234.5", L"1", true, &kEnUs, L"-1,234.50"}, {L"2469135.5", L"2", true, &german, L"1.234.567,75"},
    };
    for (const auto& [price, quantity, group, grouping, shown] : cases) {
        EXPECT_EQ(tv::UnitPriceText(price, quantity, group, *grouping).value_or(L"<unchanged>"), shown) << price;
    }
}
