#include "tools/clothing_sizes.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

// A size as a number: "10½" is 10.5, "21.5" is 21.5.
double SizeValue(const wchar_t* text) {
    wchar_t* end = nullptr;
    const double whole = std::wcstod(text, &end);
    return whole + (*end == L'\u00BD' ? 0.5 : 0.0);
}

}  // namespace

// Down a column sizes only grow; children's US and UK sizes start again at 1
// once, where they reach the adult scale. Halves are the fraction sign in the
// shoe and shirt tables outside their Japanese columns, a point elsewhere.
// No cell is empty, none lies outside a table.
TEST(ClothingSizes, EveryCellIsFilledAndSizesGrowDownEveryColumnWithHalvesWrittenOneWay) {
    for (int t = 0; t < tv::kSizeTableCount; ++t) {
        const tv::SizeTable& table = *tv::SizeTableAt(t);
        EXPECT_EQ(table.cells.size(), static_cast<size_t>(table.Rows() * table.Columns())) << t;
        EXPECT_TRUE(!table.Cell(table.Rows(), 0) && !table.Cell(0, table.Columns()) && !table.Cell(-1, 0)) << t;
        for (int column = 0; column < table.Columns(); ++column) {
            const bool sign = (t == 1 || t == 3 || t == 4) && std::wstring(table.headers[column]) != L"JP";
            int restarts = 0;
            for (int row = 0; row < table.Rows(); ++row) {
                const wchar_t* cell = table.Cell(row, column);
                EXPECT_TRUE(*cell && !std::wcschr(cell, sign ? L'.' : L'\u00BD')) << t << ' ' << row << ' ' << column;
                if (t == 2 || row == 0) continue;  // hosiery below
                const double before = SizeValue(table.Cell(row - 1, column)), now = SizeValue(cell);
                if (now < before && now == 1.0) ++restarts;
                else EXPECT_GT(now, before) << t << ' ' << row << ' ' << column;
            }
            EXPECT_EQ(restarts, t >= 5 && column <= 1 ? 1 : 0) << t << ' ' << column;
        }
    }
    EXPECT_TRUE(!tv::SizeTableAt(tv::kSizeTableCount) && !tv::SizeTableAt(-1));
    // Hosiery ranges run low to high.
    const tv::SizeTable& hosiery = *tv::SizeTableAt(2);
    for (int row = 0; row < hosiery.Rows(); ++row) {
        for (int column : {1, 2}) {
            unsigned low = 0, high = 0;
            ASSERT_EQ(std::swscanf(hosiery.Cell(row, column), L"%u-%u", &low, &high), 2);
            EXPECT_LT(low, high);
        }
    }
}
