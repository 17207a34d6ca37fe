#include "tools/circle_formulas.h"

#include <cmath>

namespace tv {
namespace {

using namespace field_letters;

// The quarter and three-quarter turns where tan, sec and cot have no value;
// exact double comparisons, as 90 and 270 degrees convert to them exactly.
constexpr double kQuarterTurn = kPi * 0.5;
constexpr double kThreeQuarterTurn = kPi * 1.5;

bool OutOfRange(double theta) { return theta >= kTrigLimit || theta <= -kTrigLimit; }
bool AtQuarterTurns(double theta) { return theta == kQuarterTurn || theta == kThreeQuarterTurn; }

}  // namespace

//                          name                                  radius angle height unit list
const CircleFormula kCircleFormulas[kCircleFormulaCount] = {
    {{IDS_CIRCLE_FORMULA_FIRST, L"Circumference"}, {E, R, R}, false},
    {{IDS_CIRCLE_FORMULA_FIRST + 1, L"Area"}, {E, R, R}, false},
    {{IDS_CIRCLE_FORMULA_FIRST + 2, L"Arc Length"}, {E, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 3, L"Degree/Radian Conversion"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 4, L"sin (x)"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 5, L"cos (x)"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 6, L"tan (x)"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 7, L"cosec (x)"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 8, L"sec (x)"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 9, L"cot (x)"}, {R, E, R}, true},
    {{IDS_CIRCLE_FORMULA_FIRST + 10, L"Cylinder Volume"}, {E, R, E}, false},
    {{IDS_CIRCLE_FORMULA_FIRST + 11, L"Cylinder Surface Area"}, {E, R, E}, false},
    {{IDS_CIRCLE_FORMULA_FIRST + 12, L"Cone Volume"}, {E, R, E}, false},
    {{IDS_CIRCLE_FORMULA_FIRST + 13, L"Sphere Volume"}, {E, R, E}, false},
    {{IDS_CIRCLE_FORMULA_LAST, L"Sphere Surface Area"}, {E, R, E}, false},
};

double AngleInRadians(double angle, int angleUnit) {
    return angleUnit == kRadian ? angle : (kPi * angle) * kPerDegree;
}

CalcResult CalculateCircle(int formula, const CircleInputs& in) {
    const double r = in.radius;
    const double a = in.angle;
    const double h = in.height;
    const bool radian = in.angleUnit == kRadian;
    const double theta = AngleInRadians(a, in.angleUnit);
    constexpr CalcResult kRejected{CalcStatus::kInvalidValue, 0.0};

    switch (formula) {
        case kCircumference:
            return CheckedResult((kPi * r) * 2.0);
        case kCircleArea:
            return CheckedResult(std::pow(r, 2.0) * kPi);
        case kArcLength:
            return CheckedResult(radian ? r * a : ((kPi * a) * r) * kPerDegree);
        case kDegreeRadianConversion:
            return CheckedResult(radian ? (180.0 / kPi) * a : (kPi * a) * kPerDegree);
        case kSine:
            if (OutOfRange(theta)) return kRejected;
            return CheckedResult(std::sin(theta));
        case kCosine:
            if (OutOfRange(theta)) return kRejected;
            return CheckedResult(std::cos(theta));
        case kTangent:
            if (OutOfRange(theta) || AtQuarterTurns(theta)) return kRejected;
            return CheckedResult(std::tan(theta));
        case kCosecant:
            if (OutOfRange(theta) || theta == 0.0) return kRejected;
            return CheckedResult(1.0 / std::sin(theta));
        case kSecant:
            if (OutOfRange(theta) || AtQuarterTurns(theta)) return kRejected;
            return CheckedResult(1.0 / std::cos(theta));
        case kCotangent:
            if (OutOfRange(theta) || theta == 0.0 || AtQuarterTurns(theta)) return kRejected;
            return CheckedResult(1.0 / std::tan(theta));
        case kCylinderVolume:
            return CheckedResult((std::pow(r, 2.0) * kPi) * h);
        case kCylinderSurfaceArea:
            return CheckedResult((((kPi * h) * r) * 2.0) + ((std::pow(r, 2.0) * kPi) * 2.0));
        case kConeVolume:
            return CheckedResult(((std::pow(r, 2.0) * kPi) * h) * kOneThird);
        case kSphereVolume:
            return CheckedResult(((std::pow(r, 3.0) * kPi) * 4.0) * kOneThird);
        case kSphereSurfaceArea:
            return CheckedResult((std::pow(r, 2.0) * kPi) * 4.0);
        default:
            return {CalcStatus::kNoFormula, 0.0};
    }
}

}  // namespace tv
