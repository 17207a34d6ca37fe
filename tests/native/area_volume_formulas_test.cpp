#include "tools/area_volume_formulas.h"

#include <gtest/gtest.h>

using tv::CalcStatus;

namespace {

double Value(int formula, const tv::AreaVolumeValues& values) {
    const tv::CalcResult result = tv::CalculateAreaVolume(formula, values);
    EXPECT_EQ(result.status, CalcStatus::kOk) << formula;
    return result.value;
}

}  // namespace

TEST(AreaVolumeFormulas, Values) {
    EXPECT_EQ(Value(tv::kRectangleArea, {3, 4, 0}), 12.0);
    EXPECT_EQ(Value(tv::kRectanglePerimeter, {3, 4, 0}), 14.0);
    EXPECT_EQ(Value(tv::kPrismSurfaceArea, {2, 3, 4}), 52.0);
    EXPECT_EQ(Value(tv::kTriangleArea, {5, 99, 3}), 7.5);  // whatever Width holds
    EXPECT_DOUBLE_EQ(Value(tv::kPyramidVolume, {3, 3, 3}), 9.0);
    EXPECT_EQ(Value(tv::kRectangleArea, {-3, 4, 0}), -12.0);  // nothing is refused
    EXPECT_EQ(tv::CalculateAreaVolume(tv::kPrismVolume, {1e200, 1e200, 1}).status, CalcStatus::kTooLarge);
    EXPECT_EQ(tv::CalculateAreaVolume(-1, {1, 1, 1}).status, CalcStatus::kNoFormula);
}

TEST(AreaVolumeFormulas, FieldStatesMatchWhatEachFormulaReads) {
    const tv::AreaVolumeValues base = {1.3, 2.9, 4.1};
    for (int f = 0; f < tv::kAreaVolumeFormulaCount; ++f) {
        EXPECT_EQ(tv::kAreaVolumeFormulas[f].name.id, 300 + f);
        for (int field = 0; field < tv::kAreaVolumeFieldCount; ++field) {
            tv::AreaVolumeValues changed = base;
            changed[field] *= 1.37;
            EXPECT_EQ(Value(f, changed) != Value(f, base),
                      tv::kAreaVolumeFormulas[f].fields[field] == tv::FieldState::kEditable)
                << f << " field " << field;
        }
    }
}
