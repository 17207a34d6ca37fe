// The area and volume calculator: the fields each formula reads; the
// formulas are the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/area_volume_dialog.h"
#include "tools/area_volume_formulas.h"

using wintest::ToolDialogTest;
using AreaVolumeDialogTest = wintest::DialogTest<tv::AreaVolumeDialog>;

TEST_F(ToolDialogTest, AreaVolumeOpensOnRectangleAreaAndGroupsDigits) {
    home->record.GroupDigits = true;
    OpenFromMenu(ID_AREA_VOLUME, L"areavol", [&] {
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kAreaVolumeFormulas);
        for (int id : {IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT}) EXPECT_EQ(Limit(id), 31);
        Type(IDC_AREA_BASE, L"1000");
        Type(IDC_AREA_WIDTH, L"2000");
        CalculateQuietly();
        EXPECT_EQ(Fields({IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT, IDC_CALC_RESULT}),
                  L"1000 | 2000 | [] | [2,000,000.0000]");
    });
}

TEST_F(AreaVolumeDialogTest, SwitchingClearsTheResultAndTheFieldsAFormulaDoesNotRead) {
    const auto fields = [&] { return Fields({IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT, IDC_CALC_RESULT}); };
    Choose(IDC_CALC_FORMULA, tv::kPrismVolume);
    Type(IDC_AREA_BASE, L"2");
    Type(IDC_AREA_WIDTH, L"3");
    Type(IDC_AREA_HEIGHT, L"4");
    CalculateQuietly();
    EXPECT_EQ(fields(), L"2 | 3 | 4 | [24.0000]");
    Choose(IDC_CALC_FORMULA, tv::kRectangleArea);
    EXPECT_EQ(fields(), L"2 | 3 | [] | []");
    Choose(IDC_CALC_FORMULA, tv::kTriangleArea);
    EXPECT_EQ(fields(), L"2 | [] |  | []");
    Choose(IDC_CALC_FORMULA, tv::kPyramidVolume);
    EXPECT_EQ(fields(), L"2 |  |  | []");
}
