#include "numfmt/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fake_number_grouping.h"

using tv::FormatDisplayNumber;
using tv::ParseNumberText;

namespace {

const FakeNumberGrouping kEnUs;

std::wstring Show(double v, unsigned d, bool group, const tv::NumberGrouping& g = kEnUs) {
    return FormatDisplayNumber(v, d, group, g);
}

}  // namespace

TEST(ParseNumberText, ReadsLikeAtof) {
    EXPECT_EQ(ParseNumberText(L"1,234.5"), 1.0);  // a thousands separator ends the number
    EXPECT_EQ(ParseNumberText(L" 12abc"), 12.0);
    EXPECT_EQ(ParseNumberText(L"\t-3.25"), -3.25);
    EXPECT_EQ(ParseNumberText(L"+.5"), 0.5);
    EXPECT_EQ(ParseNumberText(L"1e3"), 1000.0);
    EXPECT_EQ(ParseNumberText(L"2.5E-1x"), 0.25);
    EXPECT_EQ(ParseNumberText(L"7e"), 7.0);
    EXPECT_EQ(ParseNumberText(L"12."), 12.0);
    EXPECT_EQ(ParseNumberText(L"3,5"), 3.0);  // the point is '.' whatever the locale
}

TEST(ParseNumberText, TextWithoutLeadingNumberIsZero) {
    for (const wchar_t* text : {L"", L"abc", L"-", L".", L"-.e5", L"inf", L"nan", L"infinity",
                                L"\u00B2", L"\u0661", L"- 5"}) {
        EXPECT_EQ(ParseNumberText(text), 0.0);
    }
    // Hexadecimal is not a number here: "0x10" reads as 0.
    EXPECT_EQ(ParseNumberText(L"0x10"), 0.0);
}

TEST(ParseNumberText, ValuesBeyondTheDoubleRange) {
    EXPECT_EQ(ParseNumberText(L"1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumberText(L"-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumberText(L"123456e+310"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumberText(L"1e-400"), 0.0);
    EXPECT_EQ(ParseNumberText(L"0.000001e-330"), 0.0);
    EXPECT_EQ(ParseNumberText(L"1e308"), 1e308);
}

TEST(ParseNumberText, ReadsAtMost63Characters) {
    std::wstring sixtyThree(62, L'1');
    EXPECT_EQ(ParseNumberText(sixtyThree + L"5"), std::stod(std::string(62, '1') + "5"));
    // The 64th character is never read.
    EXPECT_EQ(ParseNumberText(L"9" + std::wstring(61, L'0') + L"19"),
              ParseNumberText(L"9" + std::wstring(61, L'0') + L"1"));
    EXPECT_EQ(ParseNumberText(std::wstring(200, L' ') + L"5"), 0.0);
}

TEST(FixedText, ExactExpansionOfTheDouble) {
    EXPECT_EQ(tv::FixedText(453.592376254, 14), L"453.59237625399999");
    EXPECT_EQ(tv::FixedText(1e20, 4), L"100000000000000000000.0000");
    EXPECT_EQ(tv::FixedText(0.125, 2), L"0.12");  // to nearest even on the binary value
    EXPECT_EQ(tv::FixedText(-0.0000001, 4), L"-0.0000");
    EXPECT_EQ(tv::FixedText(1.7976931348623157e308, 0).size(), 309u);
}

TEST(TrimTrailingChar, RemovesTheWholeRun) {
    std::wstring a = L"12.500", b = L"100.000", c = L"000", d = L"5";
    tv::TrimTrailingChar(a, L'0');
    tv::TrimTrailingChar(b, L'0');
    tv::TrimTrailingChar(c, L'0');
    tv::TrimTrailingChar(d, L'0');
    EXPECT_EQ(a, L"12.5");
    EXPECT_EQ(b, L"100.");
    EXPECT_EQ(c, L"");
    EXPECT_EQ(d, L"5");
}

TEST(FormatDisplayNumber, ExamplesForEnglishUnitedStates) {
    EXPECT_EQ(Show(1234.5678, 2, false), L"1234.5678");
    EXPECT_EQ(Show(1234.5678, 2, true), L"1,234.5678");
    EXPECT_EQ(Show(0.5, 1, false), L"0.50");
    EXPECT_EQ(Show(1234.5, 0, false), L"1234.5");
    EXPECT_EQ(Show(1234.5, 0, true), L"1,234.5");
    EXPECT_EQ(Show(1000, 0, false), L"1000.");
    EXPECT_EQ(Show(0, 0, false), L"0.");
    EXPECT_EQ(Show(1000, 0, true), L"1,000.00000000");
    EXPECT_EQ(Show(2.0 / 3.0, 0, false), L"0.66666666666667");
    EXPECT_EQ(Show(453.592376254, 0, false), L"453.59237625399999");
    EXPECT_EQ(Show(-12.5, 3, true), L"-12.500000");
    EXPECT_EQ(Show(1.0 / 3.0, 4, false), L"0.33333333");
    EXPECT_EQ(Show(1e20, 2, false), L"100000000000000000000.0000");
    EXPECT_EQ(Show(1e20, 2, true), L"100,000,000,000,000,000,000.0000");
    EXPECT_EQ(Show(1e-20, 2, false), L"0.0000");
    EXPECT_EQ(Show(1e-20, 0, false), L"0.");
}

TEST(FormatDisplayNumber, UnlimitedGroupedKeepsEveryDecimalWithoutRounding) {
    EXPECT_EQ(Show(453.592376254, 0, true), L"453.59237625399999");
    EXPECT_EQ(Show(1234567.125, 0, true), L"1,234,567.125");
    // Eight decimals would round up into the integer part; the value's own do not.
    EXPECT_EQ(Show(0.999999999, 0, true), L"0.999999999");
    EXPECT_EQ(Show(99999.9999999999, 0, true), L"99,999.99999999989814");  // the binary value
    // Smaller than the last shown decimal: nothing of the fraction survives.
    EXPECT_EQ(Show(1e-20, 0, true), L"0.");
}

TEST(FormatDisplayNumber, NegativeFractionsGetTheSameSpliceWhateverTheSignOrder) {
    EXPECT_EQ(Show(-1234.5, 0, true), L"-1,234.5");
    EXPECT_EQ(Show(-0.000000000123, 0, true), L"-0.000000000123");
    tv::NumberFormat f;
    f.negativeOrder = 0;
    EXPECT_EQ(Show(-1234.5678901234, 0, true, FakeNumberGrouping(f)), L"(1,234.56789012340005)");
    f.negativeOrder = 4;
    EXPECT_EQ(Show(-1234.5678901234, 0, true, FakeNumberGrouping(f)), L"1,234.56789012340005 -");
    f.negativeOrder = 3;
    EXPECT_EQ(Show(-2.0 / 3.0, 0, true, FakeNumberGrouping(f)), L"0.66666666666667-");
    EXPECT_EQ(Show(-1000, 0, true, FakeNumberGrouping(f)), L"1,000.00000000-");
}

TEST(FormatDisplayNumber, OtherNumberFormats) {
    FakeNumberGrouping de(Format(L",", L"."));
    EXPECT_EQ(Show(1234567.5, 1, true, de), L"1.234.567,50");
    EXPECT_EQ(Show(1234.5625, 0, true, de), L"1.234,5625");
    EXPECT_EQ(Show(1000, 0, true, de), L"1.000,00000000");
    EXPECT_EQ(Show(-0.25, 0, true, de), L"-0,25");

    FakeNumberGrouping fr(Format(L",", L"\u00A0"));
    EXPECT_EQ(Show(1234567.875, 0, true, fr), L"1\u00A0234\u00A0567,875");
    EXPECT_EQ(Show(-9876543.21, 1, true, fr), L"-9\u00A0876\u00A0543,21");

    FakeNumberGrouping indian(Format(L".", L",", 32));
    EXPECT_EQ(Show(123456789.5, 1, true, indian), L"12,34,56,789.50");
    EXPECT_EQ(Show(123456789.125, 0, true, indian), L"12,34,56,789.125");

    // A multi-character separator is found and kept whole.
    FakeNumberGrouping wide(Format(L"<>", L"'", 3, 1, false));
    EXPECT_EQ(Show(12345.75, 0, true, wide), L"12'345<>75");
    EXPECT_EQ(Show(0.75, 0, true, wide), L"<>75");

    // Grouping off never asks the locale.
    FakeNumberGrouping untouched;
    Show(1234.5, 0, false, untouched);
    Show(1234.5, 2, false, untouched);
    EXPECT_EQ(untouched.calls, 0);
}

TEST(FormatDisplayNumber, LongNumbersAreGroupedWhole) {
    const std::wstring shown = Show(1e300, 0, true);
    // 301 integer digits in 101 groups, then eight zero decimals.
    EXPECT_EQ(shown.size(), 301u + 100u + 9u);
    EXPECT_EQ(shown.substr(0, 8), L"1,000,00");
    EXPECT_EQ(shown.substr(shown.size() - 12), L"160.00000000");  // the double is not 10^300 exactly
    EXPECT_EQ(Show(-1.7976931348623157e308, 4, true).size(), 1u + 309u + 102u + 9u);
}

TEST(FormatDisplayNumber, ValuesThatAreNotFiniteShowOneText) {
    const double inf = std::numeric_limits<double>::infinity();
    for (unsigned d = 0; d <= 4; ++d) {
        for (bool g : {false, true}) {
            EXPECT_EQ(Show(inf, d, g), tv::kNotFiniteText);
            EXPECT_EQ(Show(-inf, d, g), tv::kNotFiniteText);
            EXPECT_EQ(Show(std::nan(""), d, g), tv::kNotFiniteText);
        }
    }
}

TEST(FormatDisplayNumber, DamagedDecimalSettingShowsFourDecimals) {
    for (unsigned d : {5u, 65535u, 4000000000u}) {
        EXPECT_EQ(Show(2.0 / 3.0, d, false), L"0.6667");
        EXPECT_EQ(Show(1234.5, d, true), L"1,234.5000");
    }
}

TEST(GroupingFromLocaleText, ReadsTheLocaleGroupingList) {
    EXPECT_EQ(tv::GroupingFromLocaleText(L"3;0"), 3u);
    EXPECT_EQ(tv::GroupingFromLocaleText(L"3;2;0"), 32u);
    EXPECT_EQ(tv::GroupingFromLocaleText(L"3"), 30u);
    EXPECT_EQ(tv::GroupingFromLocaleText(L"0;0"), 0u);
    EXPECT_EQ(tv::GroupingFromLocaleText(L"4;0"), 4u);
    for (const wchar_t* bad : {L"", L";", L"3;", L"12;0", L"x", L"3;2;1;2;3;0"}) {
        EXPECT_EQ(tv::GroupingFromLocaleText(bad), 3u);
    }
}

TEST(ApplyNumberFormat, GroupsRoundsAndPlacesTheSign) {
    tv::NumberFormat f;
    EXPECT_EQ(tv::ApplyNumberFormat(L"1234567.5", f), L"1,234,567.50");
    EXPECT_EQ(tv::ApplyNumberFormat(L"999.995", f), L"1,000.00");  // the carry crosses a group
    EXPECT_EQ(tv::ApplyNumberFormat(L"0.994", f), L"0.99");
    EXPECT_EQ(tv::ApplyNumberFormat(L"-.5", f), L"-0.50");
    EXPECT_EQ(tv::ApplyNumberFormat(L"007", f), L"7.00");
    f.decimals = 0;
    EXPECT_EQ(tv::ApplyNumberFormat(L"99.5", f), L"100");
    EXPECT_EQ(tv::ApplyNumberFormat(L"123456", f), L"123,456");
    f.grouping = 30;
    EXPECT_EQ(tv::ApplyNumberFormat(L"123456789", f), L"123456,789");
    f.grouping = 0;
    EXPECT_EQ(tv::ApplyNumberFormat(L"123456789", f), L"123456789");
    f.grouping = 32;
    EXPECT_EQ(tv::ApplyNumberFormat(L"-123456789", f), L"-12,34,56,789");
    f.negativeOrder = 2;
    EXPECT_EQ(tv::ApplyNumberFormat(L"-1", f), L"- 1");
    f.leadingZero = false;
    f.decimals = 1;
    EXPECT_EQ(tv::ApplyNumberFormat(L"0.25", f), L".3");
    for (const wchar_t* bad : {L"", L"-", L".", L"1.2.3", L"1e5", L"+1", L" 1", L"1-"}) {
        EXPECT_EQ(tv::ApplyNumberFormat(bad, f), L"");
    }
}
