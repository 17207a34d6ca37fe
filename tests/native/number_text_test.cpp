#include "numfmt/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fake_number_grouping.h"

using tv::FormatDisplayNumber;
using tv::ParseNumberText;

namespace {

const FakeNumberGrouping kEnUs;
constexpr double kInf = std::numeric_limits<double>::infinity();

std::wstring Show(double v, unsigned d, bool group, const tv::NumberGrouping& g = kEnUs) {
    return FormatDisplayNumber(v, d, group, g);
}

}  // namespace

TEST(ParseNumberText, ReadsLikeAtof) {
    const std::pair<std::wstring, double> cases[] = {
        {L"1,234.5", 1.0},  // a thousands separator ends the number; the point is '.' whatever the locale
        {L"\t-3.25x", -3.25}, {L"+.5", 0.5}, {L"2.5E-1x", 0.25}, {L"7e", 7.0},
        // No leading number: 0. Infinity, NaN and other digits are no numbers here.
        {L"", 0.0}, {L"-.e5", 0.0}, {L"- 5", 0.0}, {L"inf", 0.0}, {L"nan", 0.0}, {L"\u0661", 0.0},
        // Beyond the double range.
        {L"-1e400", -kInf}, {L"123456e+310", kInf}, {L"1e-400", 0.0}, {L"1e308", 1e308},
        // At most 63 characters are read.
        {std::wstring(62, L'1') + L"5", std::stod(std::string(62, '1') + "5")},
        {L"9" + std::wstring(61, L'0') + L"19", std::stod("9" + std::string(61, '0') + "1")},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseNumberText(text), value) << text;
}

// An exponent too long for a long still tells which way the number left
// the range, and never overflows the sum of magnitude and exponent.
TEST(ParseNumberText, ExponentsBeyondALongLeaveTheRangeTheRightWay) {
    const std::pair<std::wstring, double> cases[] = {
        {L"1e-99999999999999999999", 0.0}, {L"99999999999e-30999999999999999999999999", 0.0},
        {L"-1e99999999999999999999", -kInf}, {L"0.001e+99999999999999999999", kInf},
        {L"11e9223372036854775807", kInf}, {L"0.01e-9223372036854775808", 0.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseNumberText(text), value) << text;
}

TEST(FormatDisplayNumber, ExamplesForEnglishUnitedStates) {
    struct Case { double value; unsigned deciSize; bool group; const wchar_t* shown; };
    const Case cases[] = {
        {1234.5678, 2, true, L"1,234.5678"}, {1.0 / 3.0, 4, false, L"0.33333333"},
        {0.125, 1, false, L"0.12"}, {-0.0000001, 2, false, L"-0.0000"},  // to nearest even; the sign stays
        // Unlimited: up to 14 decimals, trailing zeros gone, the point kept.
        {1000, 0, false, L"1000."}, {2.0 / 3.0, 0, false, L"0.66666666666667"},
        {453.592376254, 0, false, L"453.59237625399999"},
        // Unlimited and grouped: every decimal of the value, never rounded into the integer part.
        {1234567.125, 0, true, L"1,234,567.125"}, {0.999999999, 0, true, L"0.999999999"},
        {99999.9999999999, 0, true, L"99,999.99999999989814"}, {1e-20, 0, true, L"0."},
        // Negative fractions keep their sign through the splice.
        {-0.000000000123, 0, true, L"-0.000000000123"},
        // A damaged decimal setting shows four decimals.
        {2.0 / 3.0, 5, false, L"0.6667"}, {1.5, 4000000000u, false, L"1.5000"},
        // Values that are not finite show one text, grouped or not.
        {-kInf, 0, true, tv::kNotFiniteText}, {std::nan(""), 4, false, tv::kNotFiniteText},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(c.value, c.deciSize, c.group), c.shown) << c.value << " " << c.deciSize;
}

// The unlimited splice with another decimal separator and other sign places.
TEST(FormatDisplayNumber, OtherNumberFormats) {
    const auto paren = Format(L".", L",", 3, 0), trailing = Format(L".", L",", 3, 3);
    const auto wide = Format(L"<>", L"'", 3, 1, false);  // a multi-character separator, found and kept whole
    struct Case { tv::NumberFormat format; double value; const wchar_t* shown; };
    const Case cases[] = {
        {paren, -1234.5678901234, L"(1,234.56789012340005)"}, {trailing, -2.0 / 3.0, L"0.66666666666667-"},
        {wide, 12345.75, L"12'345<>75"}, {wide, 0.75, L"<>75"},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(c.value, 0, true, FakeNumberGrouping(c.format)), c.shown);

    FakeNumberGrouping untouched;  // grouping off never asks the locale
    for (unsigned deciSize : {0u, 2u}) Show(1234.5, deciSize, false, untouched);
    EXPECT_EQ(untouched.calls, 0);
}

// Without a leading zero a value below the last decimal would show as the
// separator alone; it shows as the plain text instead, as a refused one does.
TEST(FormatDisplayNumber, ALocaleWithoutLeadingZeroStillShowsADigit) {
    const FakeNumberGrouping noZero(Format(L",", L".", 3, 1, false));
    EXPECT_EQ(Show(1e-20, 0, true, noZero), L"0.");
    EXPECT_EQ(Show(-1e-20, 0, true, noZero), L"-0.");
    EXPECT_EQ(Show(0.5, 0, true, noZero), L",5");
    EXPECT_EQ(Show(0.0, 0, true, noZero), L",00000000");
    EXPECT_EQ(Show(0.001, 1, true, noZero), L",00");
}

TEST(FormatDisplayNumber, LongNumbersAreGroupedWhole) {
    const std::wstring shown = Show(1e300, 0, true);
    // 301 integer digits in 101 groups, then eight zero decimals.
    EXPECT_EQ(shown.size(), 301u + 100u + 9u);
    EXPECT_EQ(shown.substr(0, 8), L"1,000,00");
    EXPECT_EQ(shown.substr(shown.size() - 12), L"160.00000000");  // the double is not 10^300 exactly
}

TEST(GroupingFromLocaleText, ReadsTheLocaleGroupingListAndTakesThreeForWhatItCannotRead) {
    for (auto [text, grouping] : {std::pair{L"3;0", 3u}, {L"3;2;0", 32u}, {L"3", 30u}, {L"0;0", 0u}, {L"4;0", 4u},
                                  {L"", 3u}, {L";", 3u}, {L"3;", 3u}, {L"12;0", 3u}, {L"x", 3u}, {L"3;2;1;2;3;0", 3u}}) {
        EXPECT_EQ(tv::GroupingFromLocaleText(text), grouping) << text;
    }
}

// Under Wine every grouping, sign order and leading-zero choice is compared
// with the system's own formatting; here what that comparison leaves out.
TEST(ApplyNumberFormat, RoundsHalfUpAndRefusesWhatIsNotAPlainNumber) {
    tv::NumberFormat f;
    EXPECT_EQ(tv::ApplyNumberFormat(L"999.995", f), L"1,000.00");  // the carry crosses a group
    EXPECT_EQ(tv::ApplyNumberFormat(L"0.994", f), L"0.99");
    EXPECT_EQ(tv::ApplyNumberFormat(L"-.5", f), L"-0.50");
    f.decimals = 0;
    EXPECT_EQ(tv::ApplyNumberFormat(L"99.5", f), L"100");
    for (const wchar_t* bad : {L"", L"-", L".", L"1.2.3", L"1e5", L"+1", L" 1", L"1-"}) {
        EXPECT_EQ(tv::ApplyNumberFormat(bad, f), L"") << bad;
    }
    // Without decimals or a leading zero a number below one half has no digit to show, signed or not.
    f.leadingZero = false;
    for (unsigned order = 0; order <= 4; ++order) {
        f.negativeOrder = order;
        EXPECT_EQ(tv::ApplyNumberFormat(L"-0.4", f), L"") << order;
        EXPECT_EQ(tv::ApplyNumberFormat(L"-0", f), L"") << order;
        EXPECT_EQ(tv::ApplyNumberFormat(L"0.4", f), L"");
        EXPECT_NE(tv::ApplyNumberFormat(L"-0.5", f), L"") << order;
    }
}

TEST(GroupingFromCLocale, ReadsTheCLibraryGroupSizes) {
    EXPECT_EQ(tv::GroupingFromCLocale("\3"), 3u);          // the last size repeats
    EXPECT_EQ(tv::GroupingFromCLocale("\3\2"), 32u);       // Indian grouping
    EXPECT_EQ(tv::GroupingFromCLocale("\3\x7f"), 30u);     // CHAR_MAX: group once
    EXPECT_EQ(tv::GroupingFromCLocale(""), 0u);            // the C locale
    EXPECT_EQ(tv::GroupingFromCLocale("\x7f"), 0u);
    EXPECT_EQ(tv::GroupingFromCLocale(std::string_view("\3\0\2", 3)), 3u);  // 0 repeats what went before
    // Indian grouping of a large number, through the format it makes.
    tv::NumberFormat f = Format(L".", L",", tv::GroupingFromCLocale("\3\2"));
    EXPECT_EQ(tv::ApplyNumberFormat(L"123456789", f), L"12,34,56,789.00");
    f.grouping = tv::GroupingFromCLocale("\3\x7f");
    EXPECT_EQ(tv::ApplyNumberFormat(L"123456789", f), L"123456,789.00");
}

TEST(FormatNumberGrouping, GroupsByItsOneFormat) {
    const tv::FormatNumberGrouping german(Format(L",", L"."));
    EXPECT_EQ(german.DecimalSeparator(), L",");
    EXPECT_EQ(german.Group(L"1234567.891", 2), L"1.234.567,89");
    EXPECT_EQ(german.Group(L"-1234.5", tv::kLocaleDecimals), L"-1.234,50");  // the format's own two
    EXPECT_EQ(german.Group(L"65535", 0), L"65.535");
    EXPECT_EQ(german.Group(L"12a", 2), L"");
    // Unlimited decimals group through it as through the system's formatting.
    EXPECT_EQ(Show(1234.5, 0, true, german), L"1.234,5");
    EXPECT_EQ(Show(1e6, 0, true, german), L"1.000.000,00000000");
}
