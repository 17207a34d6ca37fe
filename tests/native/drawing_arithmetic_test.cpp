// The pure arithmetic behind the windows: gradient bands and font heights.
// The main window's layout is the Wine tests': it fits every screen shape,
// nothing on anything else, the keypad in the rows each shape gives it.
#include <gtest/gtest.h>

#include "app/gradient.h"

namespace {

constexpr tv::Rgb kLeft = tv::MakeRgb(222, 224, 253);
constexpr tv::Rgb kRight = tv::MakeRgb(154, 170, 245);

}  // namespace

TEST(Gradient, BandsTileTheAreaFromTheFirstColourAndSkipEmptyRows) {
    const auto bands = tv::GradientBands(0, 0, 240, 268, kLeft, kRight, false);
    ASSERT_EQ(bands.size(), 64u);
    EXPECT_EQ(bands[0].color, kLeft);
    EXPECT_TRUE(bands[0].left == 0 && bands[0].right == 3);  // 240 * 1 / 64, remainder dropped
    // The last band stops one sixty-fourth short of the to-colour.
    EXPECT_EQ(bands[63].color, tv::MakeRgb((222 + 154 * 63) >> 6, (224 + 170 * 63) >> 6, (253 + 245 * 63) >> 6));
    EXPECT_TRUE(bands[63].left == 236 && bands[63].right == 240 && bands[63].bottom == 268);

    // Vertical bands of a 24-pixel key: 64 bands over 24 rows, many sharing a
    // row. Bands 0 and 1 round to no rows; band 2 is the bottom row.
    const auto keyBands = tv::GradientBands(1, 1, 21, 25, 0xBCB2C8, 0xEEE4E8, true);
    EXPECT_TRUE(keyBands.size() == 24u && keyBands.front().bottom == 25 && keyBands.back().top == 1);
    EXPECT_EQ(keyBands.front().color, tv::MakeRgb((0xC8 * 62 + 0xE8 * 2) >> 6, (0xB2 * 62 + 0xE4 * 2) >> 6,
                                                  (0xBC * 62 + 0xEE * 2) >> 6));
    EXPECT_TRUE(tv::GradientBands(0, 0, 0, 10, kLeft, kRight, false).empty());
}

TEST(FontHeight, RoundsToTheNearestPixel) {
    EXPECT_TRUE(tv::FontHeight(80, 96) == -11 && tv::FontHeight(80, 192) == -21);  // 10.67, 21.33
}
