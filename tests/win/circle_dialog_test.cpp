// The circle calculator: field states per formula group, and the angle unit
// read only at Calculate; the formulas are the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/circle_formulas.h"

using wintest::ToolDialogTest;

TEST_F(ToolDialogTest, CircleShowsAllOfPiAndTheFormulaGroupSetsTheFieldsAndTheUnitReadAtCalculate) {
    home->record.DeciSize = 0;  // unlimited: up to 14 decimals
    OpenFromMenu(ID_CIRCLE, L"circle", [&] {
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kCircleFormulas);
        EXPECT_EQ(wintest::ListEntries(Field(IDC_CIRCLE_ANGLE_UNIT)),
                  (std::vector<std::wstring>{L"Degree", L"Radian"}));
        EXPECT_EQ(SendMessageW(Field(IDC_CIRCLE_ANGLE_UNIT), CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(TextOf(IDC_CIRCLE_PI), L"3.1415926535897932384626433832795");
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Field(IDC_CIRCLE_PI), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"Tahoma");
        EXPECT_TRUE(wintest::ShowsWholeText(Field(IDC_CIRCLE_PI)));
        for (int id : {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT}) EXPECT_EQ(Limit(id), 31);

        // Radius, angle, height and result, and whether the angle unit can change.
        const auto fields = [&] {
            return Fields({IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT, IDC_CALC_RESULT}) +
                   (IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)) ? L" | unit" : L"");
        };
        Type(IDC_CIRCLE_RADIUS, L"1");
        CalculateQuietly();
        EXPECT_EQ(fields(), L"1 | [] | [] | [6.28318530717959]");
        Choose(IDC_CALC_FORMULA, tv::kArcLength);
        EXPECT_EQ(fields(), L"1 |  | [] | [] | unit");
        Choose(IDC_CALC_FORMULA, tv::kSine);
        Type(IDC_CIRCLE_ANGLE, L"90");
        Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kRadian);
        CalculateQuietly();
        EXPECT_EQ(fields(), L"[] | 90 | [] | [0.89399666360056] | unit");  // sin 90 radians
        Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kDegree);  // waits for the next Calculate
        EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"0.89399666360056");
        Choose(IDC_CALC_FORMULA, tv::kTangent);  // the angle is kept
        Type(IDC_CALC_RESULT, L"before");
        EXPECT_EQ(Messages(), wintest::kInvalidValue);  // tan 90 degrees
        EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"before");
    });
}
