#include <gtest/gtest.h>

#include "fake_number_grouping.h"
#include "money/euro_fixed_rates.h"
#include "money/exchange_rate_table.h"
#include "money/money_amounts.h"
#include "reference/data_text.h"

namespace {

tv::CalendarDate Noon() {
    tv::CalendarDate now;
    now.SetDate(2026, 12, 6);
    now.hour = 12;
    return now;
}

tv::ExchangeRateTable Loaded(std::wstring_view text) {
    tv::ExchangeRateTable table(L"CurRates.dat", Noon());
    table.LoadText(text);
    return table;
}

const FakeNumberGrouping kEnUs;

}  // namespace

TEST(ExchangeRateFile, DateLineThenOneCurrencyPerLine) {
    const tv::ExchangeRateTable table = Loaded(L"20040115\r\nUSD 1.0\r\n\r\nCAD 0.75\n");
    EXPECT_EQ(table.Date().year, 2004);
    EXPECT_EQ(table.Date().month, 1);
    EXPECT_EQ(table.Date().day, 15);
    EXPECT_EQ(table.Date().dayOfWeek, 4);  // a Thursday
    EXPECT_EQ(table.Date().hour, 12);      // the time is kept
    EXPECT_EQ(table.CrossRate(L"CAD", L"USD"), 0.75);
    EXPECT_EQ(table.CrossRate(L"USD", L"CAD"), 1.3333333333333333);
    EXPECT_EQ(table.CrossRate(L"USD", L"HKD"), 0.0);
    EXPECT_EQ(table.CrossRate(L"HKD", L"USD"), 0.0);

    // A UTF-16 file reads as its ANSI twin.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("20040115\r\nCAD 0.75")) utf16 += std::string{c, '\0'};
    EXPECT_EQ(Loaded(*tv::DecodeDataText(utf16)).ValueOf(L"CAD"), 0.75);

    const tv::ExchangeRateTable dateOnly = Loaded(L"20040115");
    EXPECT_EQ(dateOnly.ValueOf(L"USD"), 0.0);
    EXPECT_EQ(dateOnly.Date().year, 2004);
}

TEST(ExchangeRateFile, ValuesAsAtofReadsThemCodesWithTheirCase) {
    const tv::ExchangeRateTable table =
        Loaded(L"20040115\nUSD\t1.0\nCAD,0.75\nGBP=1.5e0\nJPY 1,5\nusd 2\nCHF  0.5\nXYZ\nAUD 9\nAUD 0.5 (last)");
    EXPECT_EQ(table.ValueOf(L"USD"), 1.0);
    EXPECT_EQ(table.ValueOf(L"CAD"), 0.75);
    EXPECT_EQ(table.ValueOf(L"GBP"), 1.5);
    EXPECT_EQ(table.ValueOf(L"JPY"), 1.0);  // reading stops at the comma
    EXPECT_EQ(table.ValueOf(L"usd"), 2.0);
    EXPECT_EQ(table.ValueOf(L"CHF"), 0.5);  // atof skips the second blank
    EXPECT_EQ(table.ValueOf(L"XYZ"), 0.0);
    EXPECT_EQ(table.ValueOf(L"AUD"), 0.5);  // the last line of a code counts
    EXPECT_EQ(table.CrossRate(L"USD", L"XYZ"), 0.0);  // no division by a zero worth
}

TEST(ExchangeRateFile, DamagedDatesAndValuesLoadWithoutHarm) {
    // A first line that is a currency takes the date's place and is lost.
    const tv::ExchangeRateTable noDate = Loaded(L"USD 1.0\nCAD 0.75");
    EXPECT_EQ(noDate.ValueOf(L"USD"), 0.0);
    EXPECT_FALSE(noDate.Date().IsValid());
    for (const wchar_t* line : {L"20041315", L"20040230", L"2004"}) {
        const tv::ExchangeRateTable table = Loaded(std::wstring(line) + L"\nUSD 1");
        EXPECT_FALSE(table.Date().IsValid()) << line;
        EXPECT_EQ(table.ValueOf(L"USD"), 1.0) << line;
    }
    EXPECT_TRUE(Loaded(L"20040229 trailing words").Date().IsValid());
    EXPECT_EQ(Loaded(L"20040115\nUSD 1e400\nCAD 1").CrossRate(L"USD", L"CAD"), 0.0);
    EXPECT_EQ(Loaded(L"20040115\nUSD 1\nCAD 1e400").CrossRate(L"USD", L"CAD"), 0.0);
}

TEST(CalendarDate, DayOfWeekOfEveryDateAgreesWithDayCounting) {
    // 1 January 1601 was a Monday; every later date is whole days on.
    for (int year = 1601; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                tv::DateTimeFields date;
                date.year = static_cast<uint16_t>(year);
                date.month = static_cast<uint16_t>(month);
                date.day = static_cast<uint16_t>(day);
                const auto ticks = tv::FileTimeTicks(date);
                if (!ticks) continue;
                const int expected = static_cast<int>((*ticks / 864'000'000'000 + 1) % 7);
                ASSERT_EQ(tv::DayOfWeek(year, month, day), expected) << year << "-" << month << "-" << day;
            }
        }
    }
    EXPECT_EQ(tv::DayOfWeek(2004, 1, 1), 4);
    EXPECT_EQ(tv::DayOfWeek(2004, 13, 1), 0);  // no such month: no table entry
}

TEST(MoneyAmounts, RateTimesAmountAsTheRateFieldShowsIt) {
    EXPECT_EQ(tv::RateText(0.75), L"0.750000");
    EXPECT_EQ(tv::RateText(1.3333333333333333), L"1.333333");
    // A rate is shown whole in its field of 15 characters, or not at all.
    EXPECT_EQ(tv::ShowableRate(12345678.5), 12345678.5);
    EXPECT_EQ(tv::ShowableRate(123456789.0), 0.0);
    EXPECT_EQ(tv::ShowableRate(1e250), 0.0);
    EXPECT_EQ(tv::ConvertedAmountText(L"100", L"0.750000", false, kEnUs), L"75.00");
    EXPECT_EQ(tv::ConvertedAmountText(L"3", tv::RateText(4.0 / 3.0), false, kEnUs), L"4.00");
    EXPECT_EQ(tv::ConvertedAmountText(L" 12abc", L"2.5 typed", false, kEnUs), L"30.00");
    EXPECT_EQ(tv::ConvertedAmountText(L"1e308", L"1e10", true, kEnUs), tv::kNotFiniteText);
    // All 32 characters a full amount field holds are read, no more.
    EXPECT_EQ(tv::ConvertedAmountText(std::wstring(31, L'0') + L"7", L"1", false, kEnUs), L"7.00");
    EXPECT_EQ(tv::ConvertedAmountText(std::wstring(32, L'0') + L"7", L"1", false, kEnUs), L"0.00");
    // Grouped in the locale's format with the locale's own decimals.
    EXPECT_EQ(tv::ConvertedAmountText(L"10000", L"1.000000", true, kEnUs), L"10,000.00");
    tv::NumberFormat german = Format(L",", L".");
    german.decimals = 3;
    EXPECT_EQ(tv::ConvertedAmountText(L"10000", L"1.000000", true, FakeNumberGrouping(german)), L"10.000,000");
}

// A locale with no decimals and no leading zero shows a negative amount
// below one half as a bare sign or bracket; the plain amount is shown instead.
TEST(MoneyAmounts, AnAmountTheLocaleShowsWithoutDigitsIsShownPlain) {
    class Rounding final : public tv::NumberGrouping {
    public:
        std::wstring DecimalSeparator() const override { return L"."; }
        std::wstring Group(std::wstring_view plain, int) const override {
            return tv::ApplyNumberFormat(plain, {.decimals = 0, .leadingZero = false, .negativeOrder = 0});
        }
    } grouping;
    EXPECT_EQ(tv::MoneyAmountText(-0.004, true, grouping), L"-0.00");
    EXPECT_EQ(tv::MoneyAmountText(0.004, true, grouping), L"0.00");
    EXPECT_EQ(tv::MoneyAmountText(-0.6, true, grouping), L"(1)");
    EXPECT_EQ(tv::MoneyAmountText(-1234.4, true, grouping), L"(1,234)");
}

TEST(MoneyAmounts, SelectionsSplitIntoFiveCodesOrFallBack) {
    const tv::CurrencySelection codes = tv::SplitSelection(L"USDCADHKDEURCNY", L"EURDEMFRFITLNLG");
    EXPECT_EQ(codes, (tv::CurrencySelection{L"USD", L"CAD", L"HKD", L"EUR", L"CNY"}));
    EXPECT_EQ(tv::JoinSelection(codes), L"USDCADHKDEURCNY");
    for (const wchar_t* damaged : {L"", L"USDCADHKDEURCN"}) {
        EXPECT_EQ(tv::SplitSelection(damaged, L"EURDEMFRFITLNLG")[4], L"NLG");
    }
    EXPECT_EQ(tv::JoinSelection({L"EURO", L"DEM", L"", L"IT", L"NLG"}), L"EURDEMITNLG");
}

TEST(EuroFixedRates, DividedByTheSourceRateThenTimesTheTarget) {
    auto shown = [](const wchar_t* amount, const wchar_t* from, const wchar_t* to) {
        return tv::EuroAmountText(amount, from, to, false, kEnUs);
    };
    EXPECT_EQ(shown(L"100", L"DEM", L"FRF"), L"335.39");
    EXPECT_EQ(shown(L"1", L"EUR", L"DEM"), L"1.96");
    EXPECT_EQ(shown(L"1", L"EUR", L"FRF"), L"6.56");
    EXPECT_EQ(shown(L"1", L"EUR", L"ITL"), L"1936.27");
    EXPECT_EQ(shown(L"1", L"EUR", L"NLG"), L"2.20");
    EXPECT_EQ(shown(L"1000", L"ITL", L"EUR"), L"0.52");
    // Unknown codes, lower case too, are the euro.
    EXPECT_EQ(shown(L"1", L"dem", L"DEM"), L"1.96");
    EXPECT_EQ(shown(L"1", L"", L"XXX"), L"1.00");
    EXPECT_EQ(tv::EuroAmountText(L"1000000", L"EUR", L"ITL", true, kEnUs), L"1,936,270,000.00");
    // The later members come after the first thirteen, whose positions stay.
    EXPECT_EQ(tv::EuroRateIndex(L"ESP"), 12);
    EXPECT_EQ(tv::EuroRateIndex(L"SIT"), 13);
    EXPECT_EQ(tv::EuroRateIndex(L"BGN"), 21);
    EXPECT_EQ(shown(L"100", L"BGN", L"EUR"), L"51.13");
    EXPECT_EQ(shown(L"1000", L"SIT", L"EUR"), L"4.17");
    EXPECT_EQ(shown(L"1", L"EUR", L"HRK"), L"7.53");
    EXPECT_EQ(shown(L"100", L"CYP", L"MTL"), L"73.35");  // through the euro, both fixed
}
