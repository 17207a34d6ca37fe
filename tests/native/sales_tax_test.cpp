#include "reference/sales_tax.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Fields = std::vector<std::wstring>;

TEST(SalesTax, ColumnWidthsFollowTheScreenAndScale) {
    auto widths = [](int region, int screen, int scrollBar, int scale) {
        std::vector<int> w;
        for (const tv::TaxColumn& c : tv::SalesTaxColumns(region, screen, scrollBar, scale)) w.push_back(c.width);
        return w;
    };
    EXPECT_EQ(widths(0, 240, 13, 1), (std::vector<int>{108, 58, 55, 55}));
    EXPECT_EQ(widths(0, 480, 26, 2), (std::vector<int>{216, 116, 110, 110}));
    EXPECT_EQ(widths(1, 240, 13, 1), (std::vector<int>{167, 60}));
    EXPECT_EQ(widths(2, 640, 34, 2), (std::vector<int>{486, 120}));
    EXPECT_EQ(widths(1, 50, 13, 1), (std::vector<int>{0, 60}));  // never a negative width
    EXPECT_TRUE(widths(3, 240, 13, 1).empty());
    EXPECT_TRUE(widths(-1, 240, 13, 1).empty());
    const auto canada = tv::SalesTaxColumns(0, 240, 13, 1);
    EXPECT_TRUE(!canada[0].rightAligned && canada[1].rightAligned && canada[3].rightAligned);
    EXPECT_TRUE(tv::SalesTaxColumns(2, 240, 13, 1)[1].rightAligned);
}

TEST(SalesTax, FirstNonBlankLineGivesTheTitlesAndEveryOtherLineARow) {
    const tv::SalesTaxText usa(L"\r\n\r\nState\tRate\r\nAlabama\t4%\r\n\r\nTexas\t6.25%\tplus local\r\nOhio", 2);
    EXPECT_EQ(usa.Titles(), (Fields{L"State", L"Rate"}));
    ASSERT_EQ(usa.RowCount(), 3u);
    EXPECT_EQ(usa.Row(1), (Fields{L"Texas", L"6.25%\tplus local"}));
    EXPECT_EQ(usa.Row(2), (Fields{L"", L"Ohio"}));
    EXPECT_TRUE(usa.Row(3).empty());
    EXPECT_EQ(tv::SalesTaxText(L"A\tB\r\n", 4).Titles(), (Fields{L"A", L"", L"A", L"B"}));

    const tv::SalesTaxText titlesOnly(L"Country\tVAT\r\n", 2);
    EXPECT_EQ(titlesOnly.Titles().size(), 2u);
    EXPECT_EQ(titlesOnly.RowCount(), 0u);
    EXPECT_TRUE(tv::SalesTaxText(L"\r\n\n", 2).Titles().empty());
}

TEST(SalesTax, ADamagedLongFileShowsItsFirstRowsOnly) {
    std::wstring text = L"Name\tRate\n";
    for (size_t i = 0; i < tv::kMostSalesTaxRows + 100; ++i) text += L"r" + std::to_wstring(i) + L"\t1%\n";
    const tv::SalesTaxText table(text, 2);
    ASSERT_EQ(table.RowCount(), tv::kMostSalesTaxRows);
    EXPECT_EQ(table.Row(tv::kMostSalesTaxRows - 1)[0], L"r" + std::to_wstring(tv::kMostSalesTaxRows - 1));
}
