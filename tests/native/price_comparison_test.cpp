#include "money/price_comparison.h"

#include <gtest/gtest.h>

#include "fake_number_grouping.h"

namespace {

const FakeNumberGrouping kEnUs;

std::wstring Shown(const wchar_t* price, const wchar_t* quantity, bool group = false,
                   const tv::NumberGrouping& grouping = kEnUs) {
    return tv::UnitPriceText(price, quantity, group, grouping).value_or(L"<unchanged>");
}

}  // namespace

TEST(UnitPrice, TwoDecimalsHalfCentsUpGroupedInTheLocalesWay) {
    EXPECT_EQ(Shown(L"0.25", L"2"), L"0.13");  // 0.125 lies halfway
    EXPECT_EQ(Shown(L"abc", L" 4 pieces"), L"0.00");
    EXPECT_EQ(Shown(L"5", L"0000000000000010"), L"5.00");  // the 16th character is never read
    EXPECT_EQ(Shown(L"1e400", L"2"), tv::kNotFiniteText);
    EXPECT_EQ(Shown(L"3.99", L"-1"), L"<unchanged>");
    EXPECT_EQ(Shown(L"-1234.5", L"1", true), L"-1,234.50");
    EXPECT_EQ(Shown(L"2469135.5", L"2", true, FakeNumberGrouping(Format(L",", L"."))),
              L"1.234.567,75");
}
