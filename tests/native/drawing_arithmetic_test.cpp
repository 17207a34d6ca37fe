// The pure arithmetic behind the windows: gradient bands, font heights and
// the main window's layout.
#include <gtest/gtest.h>

#include "app/gradient.h"
#include "resources/resource_ids.h"
#include "units/converter_layout.h"

namespace {

constexpr tv::Rgb kLeft = tv::MakeRgb(222, 224, 253);
constexpr tv::Rgb kRight = tv::MakeRgb(154, 170, 245);

tv::LayoutRect KeyRect(const tv::ConverterLayout& l, int id) {
    for (const auto& k : l.keys) if (k.id == id) return k.rect;
    ADD_FAILURE() << "no key " << id;
    return {};
}

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

// Portrait at 96 dpi: the From list two thirds of 236 wide, down to the
// bottom; four key rows 22 apart from y = 158: 7 8 9 / 4 5 6 / 1 2 3 <- / 0 . - C.
// At 192 dpi every step scales; landscape puts the keys on two rows.
TEST(ConverterLayout, PortraitAndLandscapeAtEachScale) {
    const tv::ConverterLayout l = tv::LayOutConverter(240, 268, 1, 1, true, 21),
                              big = tv::LayOutConverter(480, 536, 2, 2, true, 30),
                              wide = tv::LayOutConverter(320, 188, 1, 1, false, 21);
    const int keysTop = 108 + 30 + 40 + 44 + 30 + 40, top = 79 + 22 + 21 + 5;
    const std::pair<tv::LayoutRect, tv::LayoutRect> rects[] = {
        {l.input, {32, 32, 238, 52}}, {l.fromList, {32, 54, 188, 266}}, {KeyRect(l, IDC_KEY_0 + 6), {46, 180, 66, 200}},
        {KeyRect(l, IDC_KEY_BACK), {68, 202, 108, 222}}, {l.convert, {158, 224, 236, 244}},
        {KeyRect(big, IDC_KEY_0 + 4), {4, keysTop + 44, 44, keysTop + 84}},
        {big.convert, {4 + 2 * 157, keysTop + 132, 4 + 3 * 157, keysTop + 172}},
        {wide.convert, {2 + 2 * 105, top + 22, 0, 0}},  // its left and top only
    };
    for (size_t i = 0; i < std::size(rects); ++i) {
        const auto& [got, expected] = rects[i];
        EXPECT_TRUE(got.left == expected.left && got.top == expected.top &&
                    (!expected.right || (got.right == expected.right && got.bottom == expected.bottom))) << i;
    }
    EXPECT_TRUE(l.keys.size() == 14u && big.toLabelY == 108 + 30 + 40 && wide.toLabelY == 54 + 21 + 4);
    EXPECT_TRUE(KeyRect(wide, IDC_KEY_0).top == top + 22 && wide.keys[9].rect.left == 2 + 22 * 9);
}
