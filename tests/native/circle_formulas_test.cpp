#include "tools/circle_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using tv::CalcStatus;

namespace {

tv::CalcResult Trig(int formula, double a, int unit = tv::kDegree) {
    return tv::CalculateCircle(formula, {0.0, a, 0.0, unit});
}

double Value(int formula, const tv::CircleInputs& in) {
    const tv::CalcResult result = tv::CalculateCircle(formula, in);
    EXPECT_EQ(result.status, CalcStatus::kOk) << formula;
    return result.value;
}

}  // namespace

TEST(CircleFormulas, TrigonometricRejections) {
    // 90 and 270 degrees convert to exactly π × 0.5 and π × 1.5; -90 and 450 do not.
    for (int f : {tv::kTangent, tv::kSecant, tv::kCotangent}) {
        EXPECT_EQ(Trig(f, 90).status, CalcStatus::kInvalidValue) << f;
        EXPECT_EQ(Trig(f, 270).status, CalcStatus::kInvalidValue) << f;
        EXPECT_GT(std::abs(Trig(f, f == tv::kCotangent ? 180 : -90).value), 1e15) << f;
    }
    EXPECT_GT(std::abs(Trig(tv::kTangent, 450).value), 1e15);
    EXPECT_EQ(Trig(tv::kCosecant, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Trig(tv::kCotangent, -0.0, tv::kRadian).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Trig(tv::kSecant, 0).value, 1.0);
    for (int f = tv::kSine; f <= tv::kCotangent; ++f) {
        EXPECT_EQ(Trig(f, 263, tv::kRadian).status, CalcStatus::kInvalidValue) << f;
        EXPECT_EQ(Trig(f, 262.9, tv::kRadian).status, CalcStatus::kOk) << f;
        EXPECT_EQ(Trig(f, 15068.7).status, CalcStatus::kOk) << f;  // the limit is near 15068.79 degrees
        EXPECT_EQ(Trig(f, 15068.8).status, CalcStatus::kInvalidValue) << f;
    }
}

TEST(CircleFormulas, Values) {
    const double pi = std::numbers::pi;
    EXPECT_DOUBLE_EQ(Value(tv::kArcLength, {2, 90, 0, tv::kDegree}), pi);
    // The fixed order shows in the last bit: (π × 3) × k and ((π × 5) × 5) × k.
    EXPECT_EQ(Value(tv::kDegreeRadianConversion, {0, 3, 0, tv::kDegree}), 0.05235987755982989);
    EXPECT_EQ(Value(tv::kArcLength, {5, 5, 0, tv::kDegree}), 0.43633231299858244);
    EXPECT_EQ(Value(tv::kArcLength, {2, 1.5, 0, tv::kRadian}), 3.0);
    EXPECT_DOUBLE_EQ(Value(tv::kDegreeRadianConversion, {0, 180, 0, tv::kDegree}), pi);
    EXPECT_DOUBLE_EQ(Value(tv::kDegreeRadianConversion, {0, pi, 0, tv::kRadian}), 180.0);
    EXPECT_DOUBLE_EQ(Value(tv::kSine, {0, 30, 0, 7}), 0.5);  // a unit position but Radian is degrees
    EXPECT_DOUBLE_EQ(Value(tv::kCylinderSurfaceArea, {3, 0, 2, 0}), 30 * pi);
    EXPECT_DOUBLE_EQ(Value(tv::kSphereVolume, {3, 0, 0, 0}), 36 * pi);
    EXPECT_EQ(tv::CalculateCircle(tv::kCylinderSurfaceArea, {1e200, 0, -1e300, 0}).status, CalcStatus::kTooLarge);
    EXPECT_EQ(tv::CalculateCircle(tv::kCircleFormulaCount, {}).status, CalcStatus::kNoFormula);
}

TEST(CircleFormulas, FieldStatesMatchWhatEachFormulaReads) {
    const tv::CircleInputs base{1.3, 37.0, 2.9, tv::kDegree};
    for (int f = 0; f < tv::kCircleFormulaCount; ++f) {
        const tv::CircleFormula& formula = tv::kCircleFormulas[f];
        const double before = Value(f, base);
        for (int field = 0; field < tv::kCircleFieldCount; ++field) {
            tv::CircleInputs changed = base;
            (field == 0 ? changed.radius : field == 1 ? changed.angle : changed.height) *= 1.37;
            // The spheres share their group's editable Height without reading it.
            const bool unread = field == tv::kCircleHeight && f >= tv::kSphereVolume;
            EXPECT_EQ(Value(f, changed) != before, formula.fields[field] == tv::FieldState::kEditable && !unread)
                << f << " field " << field;
        }
        EXPECT_EQ(Value(f, {base.radius, base.angle, base.height, tv::kRadian}) != before, formula.angleUnitEnabled);
    }
}
