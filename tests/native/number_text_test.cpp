#include "numfmt/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fakes.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

// An exponent too long for a long still tells which way the number left the
// range, and never overflows the sum of magnitude and exponent.
TEST(ParseNumberText, ReadsLikeAtof) {
    const std::pair<std::wstring, double> cases[] = {
        {L"1,234.5", 1.0},  // a thousands separator ends the number; the point is '.' whatever the locale
        {L"\t-3.25x", -3.25}, {L"+.5", 0.5}, {L"2.5E-1x", 0.25}, {L"7e", 7.0},
        // No leading number: 0. Infinity, NaN and other digits are no numbers here.
        {L"-.e5", 0.0}, {L"- 5", 0.0}, {L"inf", 0.0}, {L"\u0661", 0.0},
        // Beyond the double range.
        {L"-1e400", -kInf}, {L"123456e+310", kInf}, {L"1e-400", 0.0}, {L"1e308", 1e308},
        // At most 63 characters are read.
        {std::wstring(62, L'1') + L"5", std::stod(std::string(62, '1') + "5")},
        {L"9" + std::wstring(61, L'0') + L"19", std::stod("9" + std::string(61, '0') + "1")},
        {L"1e-99999999999999999999", 0.0}, {L"99999999999e-30999999999999999999999999", 0.0},
        {L"-1e99999999999999999999", -kInf}, {L"0.001e+99999999999999999999", kInf},
        {L"11e9223372036854775807", kInf}, {L"0.01e-9223372036854775808", 0.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(tv::ParseNumberText(text), value) << text;
}

// deciSize 0 is unlimited: up to 14 decimals, trailing zeros gone, the point
// kept; grouped, every decimal of the value, never rounded into the integer
// part, spliced in with the locale's separator and sign place. Without a
// leading zero a value below the last decimal would show as the separator
// alone; it shows as the plain text instead, as a refused one does.
TEST(FormatDisplayNumber, DecimalsGroupingAndTheLocalesSeparatorsAndSigns) {
    const tv::NumberFormat us, paren = Format(L".", L",", 3, 0), trailing = Format(L".", L",", 3, 3),
                               wide = Format(L"<>", L"'", 3, 1, false), noZero = Format(L",", L".", 3, 1, false),
                               german = Format(L",", L".");
    const std::tuple<tv::NumberFormat, double, unsigned, bool, const wchar_t*> cases[] = {
        {us, 1234.5678, 2, true, L"1,234.5678"}, {us, 1.0 / 3.0, 4, false, L"0.33333333"},
        {us, 0.125, 1, false, L"0.12"}, {us, -0.0000001, 2, false, L"-0.0000"},  // to nearest even; the sign stays
        {us, 1000, 0, false, L"1000."}, {us, 2.0 / 3.0, 0, false, L"0.66666666666667"},
        {us, 1234567.125, 0, true, L"1,234,567.125"}, {us, 99999.9999999999, 0, true, L"99,999.99999999989814"},
        {us, -0.000000000123, 0, true, L"-0.000000000123"},
        {us, 2.0 / 3.0, 5, false, L"0.6667"}, {us, 1.5, 4000000000u, false, L"1.5000"},  // damaged: four decimals
        {us, -kInf, 0, true, tv::kNotFiniteText}, {us, std::nan(""), 4, false, tv::kNotFiniteText},
        {paren, -1234.5678901234, 0, true, L"(1,234.56789012340005)"},
        {trailing, -2.0 / 3.0, 0, true, L"0.66666666666667-"},
        {wide, 12345.75, 0, true, L"12'345<>75"}, {wide, 0.75, 0, true, L"<>75"},  // found and kept whole
        {noZero, -1e-20, 0, true, L"-1E-20"}, {noZero, 0.5, 0, true, L",5"}, {noZero, 0.001, 1, true, L",00"},
        {german, 1234.5, 0, true, L"1.234,5"}, {german, 1e6, 0, true, L"1.000.000,00000000"},
    };
    for (const auto& [format, value, deciSize, group, shown] : cases) {
        EXPECT_EQ(tv::FormatDisplayNumber(value, deciSize, group, FakeNumberGrouping(format)), shown) << value;
        // The real grouping by one format agrees with the system's formatting.
        EXPECT_EQ(tv::FormatDisplayNumber(value, deciSize, group, tv::FormatNumberGrouping(format)), shown) << value;
    }

    // 301 integer digits in 101 groups, then eight zero decimals; the double is not 10^300 exactly.
    const std::wstring shown = tv::FormatDisplayNumber(1e300, 0, true, FakeNumberGrouping());
    EXPECT_EQ(shown.size(), 301u + 100u + 9u);
    EXPECT_EQ(shown.substr(0, 8) + shown.substr(shown.size() - 12), L"1,000,00160.00000000");
}

TEST(GroupingFromLocaleText, ReadsTheLocaleGroupingListAndTakesThreeForWhatItCannotRead) {
    for (auto [text, grouping] : {std::pair{L"3;0", 3u}, {L"3;2;0", 32u}, {L"3", 30u}, {L"0;0", 0u}, {L"4;0", 4u},
                                  {L"", 3u}, {L";", 3u}, {L"3;", 3u}, {L"12;0", 3u}, {L"x", 3u},
                                  {L"3;2;1;2;3;0", 3u}}) {
        EXPECT_EQ(tv::GroupingFromLocaleText(text), grouping) << text;
    }
}

// Under Wine every grouping, sign order and leading-zero choice is compared
// with the system's own formatting; here what that comparison leaves out.
// Without decimals or a leading zero a number below one half has no digit to
// show, signed or not.
TEST(ApplyNumberFormat, RoundsHalfUpAndRefusesWhatIsNotAPlainNumber) {
    const tv::NumberFormat f, whole{.decimals = 0}, german = Format(L",", L".");
    for (auto [plain, format, shown] :
         {std::tuple{L"999.995", f, L"1,000.00"}, {L"-.5", f, L"-0.50"}, {L"99.5", whole, L"100"},
          {L"1234567.891", german, L"1.234.567,89"}, {L"", f, L""}, {L".", f, L""}, {L"1.2.3", f, L""},
          {L"1e5", f, L""}, {L"+1", f, L""}, {L"1-", f, L""}}) {
        EXPECT_EQ(tv::ApplyNumberFormat(plain, format), shown) << plain;
    }
    for (unsigned order = 0; order <= 4; ++order) {
        const tv::NumberFormat bare{.decimals = 0, .leadingZero = false, .negativeOrder = order};
        for (const wchar_t* none : {L"-0.4", L"-0", L"0.4"}) EXPECT_EQ(tv::ApplyNumberFormat(none, bare), L"") << order;
        EXPECT_NE(tv::ApplyNumberFormat(L"-0.5", bare), L"") << order;
    }
    // The format's own decimals when the caller names none.
    const tv::FormatNumberGrouping byFormat(german);
    EXPECT_EQ(byFormat.DecimalSeparator() + byFormat.Group(L"-1234.5", tv::kLocaleDecimals), L",-1.234,50");
    EXPECT_EQ(byFormat.Group(L"65535", 0), L"65.535");
}

// Too small for 14 decimals but not zero: the exponent form, with the digits
// that read back to the same double. Zero and what 14 decimals can show stay.
TEST(FormatDisplayNumber, UnlimitedShowsWhatFourteenDecimalsCannotInExponentForm) {
    const tv::FormatNumberGrouping us(tv::NumberFormat{}), german(Format(L",", L"."));
    const struct {
        double value;
        const tv::NumberGrouping* grouping;
        const wchar_t* shown;
    } cases[] = {
        {1.602176634e-19, nullptr, L"1.602176634E-19"}, {-5e-15, nullptr, L"-5E-15"},
        {0.125 / 1125899906842624, nullptr, L"1.1102230246251565E-16"}, {4.9e-324, nullptr, L"5E-324"},
        {1.602176634e-19, &german, L"1,602176634E-19"}, {6e-15, nullptr, L"0.00000000000001"},
        {0.0, nullptr, L"0."}, {0.0, &us, L"0.00000000"},
    };
    for (const auto& [value, grouping, shown] : cases) {
        const std::wstring text = tv::FormatDisplayNumber(value, 0, grouping != nullptr, grouping ? *grouping : us);
        // What the exponent form shows reads back as the same double.
        EXPECT_TRUE(text == shown && (grouping || std::fabs(value) >= 5e-15 || tv::ParseNumberText(text) == value))
            << value << " shows " << text;
    }
}

namespace {

// The locales typed numbers are read in: separators as their systems give them.
const tv::NumberFormat kUnitedStates{}, kGermany{.decimalSep = L",", .thousandSep = L"."},
    kFrance{.decimalSep = L",", .thousandSep = L"\u202F"}, kSwitzerland{.decimalSep = L".", .thousandSep = L"'"},
    kIndia{.grouping = 32}, kUngrouped{.grouping = 0};

}  // namespace

// The locale's own form is read as it is meant; grouping that is not the
// locale's, and every other text, reads as it always has.
TEST(ReadTypedNumber, ReadsTheLocalesOwnFormAndEverythingElseAsBefore) {
    const std::tuple<const wchar_t*, const tv::NumberFormat*, double> cases[] = {
        {L"1,234.5", &kUnitedStates, 1234.5}, {L"-1,234,567", &kUnitedStates, -1234567}, {L"12,34.5", &kUnitedStates, 12},
        {L"1,5", &kUnitedStates, 1}, {L"1,234,", &kUnitedStates, 1}, {L" +1e3", &kUnitedStates, 1000},
        {L"1.234,5", &kGermany, 1234.5}, {L"1234,5", &kGermany, 1234.5}, {L"-0,25", &kGermany, -0.25},
        {L",5", &kGermany, 0.5}, {L"1,5E3", &kGermany, 1500}, {L"1.234", &kGermany, 1.234}, {L"1.5", &kGermany, 1.5},
        {L"12abc,5", &kGermany, 12}, {L"1 234,5", &kGermany, 1},
        {L"123\u00A0400,5", &kFrance, 123400.5}, {L"123\u202F400,5", &kFrance, 123400.5}, {L"123 400,5", &kFrance, 123400.5},
        {L"1.5", &kFrance, 1.5},
        {L"1'234.5", &kSwitzerland, 1234.5}, {L"1'234'567", &kSwitzerland, 1234567}, {L"1'23", &kSwitzerland, 1},
        {L"12,34,567.5", &kIndia, 1234567.5}, {L"1,234,567", &kIndia, 1}, {L"1,234", &kIndia, 1234},
        {L"1,234", &kUngrouped, 1}, {L"1234.5", &kUngrouped, 1234.5},
    };
    for (const auto& [text, locale, value] : cases) EXPECT_EQ(tv::ReadTypedNumber(text, *locale), value) << text;
}

// Whatever a result field shows, in any locale, with any decimals, grouped or
// not, reads back as the value it shows plainly.
TEST(ReadTypedNumber, EveryResultShownReadsBackAsItself) {
    const double values[] = {0, 0.5, -1234.5678, 123400, 2.0 / 3, -987654321.125, 1e15 + 0.5, 1.602176634e-19, 12345678};
    for (const tv::NumberFormat* locale : {&kUnitedStates, &kGermany, &kFrance, &kSwitzerland, &kIndia, &kUngrouped}) {
        const tv::FormatNumberGrouping grouping(*locale);
        for (double value : values) {
            for (unsigned deciSize = 0; deciSize <= 4; ++deciSize) {
                const double plain = tv::ParseNumberText(tv::FormatDisplayNumber(value, deciSize, false, grouping));
                for (bool group : {false, true}) {
                    const std::wstring shown = tv::FormatDisplayNumber(value, deciSize, group, grouping);
                    EXPECT_EQ(tv::ReadTypedNumber(shown, *locale), plain) << shown;
                }
            }
        }
    }
}
