// The area and volume calculator: the fields each formula reads; the
// formulas are the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/area_volume_formulas.h"

using wintest::ToolDialogTest;

TEST_F(ToolDialogTest, AreaVolumeOpensOnRectangleAreaAndEachFormulaEmptiesTheFieldsItDoesNotRead) {
    home->record.GroupDigits = true;
    OpenFromMenu(ID_AREA_VOLUME, L"areavol", [&] {
        const auto fields = [&] { return Fields({IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT, IDC_CALC_RESULT}); };
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kAreaVolumeFormulas);
        for (int id : {IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT}) EXPECT_EQ(Limit(id), 31);
        EXPECT_EQ(fields(), L" |  | [] | []");
        Choose(IDC_CALC_FORMULA, tv::kPrismVolume);
        Type(IDC_AREA_BASE, L"200");
        Type(IDC_AREA_WIDTH, L"300");
        Type(IDC_AREA_HEIGHT, L"40");
        CalculateQuietly();
        EXPECT_EQ(fields(), L"200 | 300 | 40 | [2,400,000.0000]");
        Choose(IDC_CALC_FORMULA, tv::kRectangleArea);
        EXPECT_EQ(fields(), L"200 | 300 | [] | []");
        Choose(IDC_CALC_FORMULA, tv::kTriangleArea);
        EXPECT_EQ(fields(), L"200 | [] |  | []");
    });
}
