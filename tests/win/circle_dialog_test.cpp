// The circle calculator: field states per formula group, and the angle unit
// read only at Calculate; the formulas are the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/circle_dialog.h"
#include "tools/circle_formulas.h"

using wintest::ToolDialogTest;
using CircleDialogTest = wintest::DialogTest<tv::CircleDialog>;

TEST_F(ToolDialogTest, CircleOpensOnCircumferenceInDegreesShowingAllOfPi) {
    home->record.DeciSize = 0;  // unlimited: up to 14 decimals
    OpenFromMenu(ID_CIRCLE, L"circle", [&] {
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kCircleFormulas);
        EXPECT_EQ(wintest::ListEntries(Field(IDC_CIRCLE_ANGLE_UNIT)),
                  (std::vector<std::wstring>{L"Degree", L"Radian"}));
        EXPECT_EQ(SendMessageW(Field(IDC_CIRCLE_ANGLE_UNIT), CB_GETCURSEL, 0, 0), 0);
        EXPECT_FALSE(IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)));
        EXPECT_EQ(TextOf(IDC_CIRCLE_PI), L"3.1415926535897932384626433832795");
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Field(IDC_CIRCLE_PI), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"Tahoma");
        EXPECT_TRUE(wintest::ShowsWholeText(Field(IDC_CIRCLE_PI)));
        for (int id : {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT}) EXPECT_EQ(Limit(id), 31);
        Type(IDC_CIRCLE_RADIUS, L"1");
        CalculateQuietly();
        EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"6.28318530717959");
    });
}

TEST_F(CircleDialogTest, FieldStatesFollowTheFormulaGroupAndKeepOnlySharedInputs) {
    // Radius, angle, height and result, and whether the angle unit can change.
    const auto fields = [&] {
        return Fields({IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT, IDC_CALC_RESULT}) +
               (IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)) ? L" | unit" : L"");
    };
    Choose(IDC_CALC_FORMULA, tv::kArcLength);
    Type(IDC_CIRCLE_RADIUS, L"2");
    Type(IDC_CIRCLE_ANGLE, L"90");
    CalculateQuietly();
    EXPECT_EQ(fields(), L"2 | 90 | [] | [3.1416] | unit");
    Choose(IDC_CALC_FORMULA, tv::kConeVolume);
    EXPECT_EQ(fields(), L"2 | [] |  | []");
    Type(IDC_CIRCLE_HEIGHT, L"3");
    CalculateQuietly();
    EXPECT_EQ(fields(), L"2 | [] | 3 | [12.5664]");
    Choose(IDC_CALC_FORMULA, tv::kCircleArea);
    EXPECT_EQ(fields(), L"2 | [] | [] | []");
    Choose(IDC_CALC_FORMULA, tv::kSine);
    EXPECT_EQ(fields(), L"[] |  | [] | [] | unit");
}

TEST_F(CircleDialogTest, TheAngleUnitAppliesAtTheNextCalculateAndARefusedAngleLeavesTheResult) {
    Choose(IDC_CALC_FORMULA, tv::kSine);
    Type(IDC_CIRCLE_ANGLE, L"90");
    SetFocus(Field(IDC_CIRCLE_ANGLE));
    // What Enter does: the default button's command, the focus left alone.
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CALC_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Field(IDC_CALC_BUTTON)));
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"1.0000");
    EXPECT_EQ(GetFocus(), Field(IDC_CIRCLE_ANGLE));
    Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kRadian);
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"1.0000");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"0.8940");
    Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kDegree);
    Choose(IDC_CALC_FORMULA, tv::kTangent);  // the angle is kept
    Type(IDC_CALC_RESULT, L"before");
    EXPECT_EQ(Messages(), wintest::kInvalidValue);
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"before");
}
