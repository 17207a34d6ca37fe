// Circles, angles and curved solids: fifteen formulas in double precision,
// evaluated in a fixed order with fixed constants so that every result,
// and every rejected angle, is the same on every machine.
#pragma once

#include "tools/calculator_common.h"

namespace tv {

inline constexpr double kPi = 3.141592653589793;
// The double nearest to 1/180; degrees become radians as (kPi * a) * kPerDegree.
inline constexpr double kPerDegree = 0.005555555555555556;
inline constexpr double kOneThird = 0.3333333333333333;
// Angles of this many radians or more, either way, are refused.
inline constexpr double kTrigLimit = 263.0;

// The text of the read-only "pi value:" field; never read back.
inline constexpr const wchar_t* kPiText = L"3.1415926535897932384626433832795";

enum CircleFormulaId : int {
    kCircumference = 0,
    kCircleArea,
    kArcLength,
    kDegreeRadianConversion,
    kSine,
    kCosine,
    kTangent,
    kCosecant,
    kSecant,
    kCotangent,
    kCylinderVolume,
    kCylinderSurfaceArea,
    kConeVolume,
    kSphereVolume,
    kSphereSurfaceArea,
    kCircleFormulaCount
};

// Positions of the angle unit list.
enum AngleUnit : int { kDegree = 0, kRadian = 1 };
inline constexpr ResourceString kAngleUnitNames[] = {{IDS_DEGREE, L"Degree"}, {IDS_RADIAN, L"Radian"}};

enum CircleField : int { kCircleRadius = 0, kCircleAngle, kCircleHeight, kCircleFieldCount };

struct CircleFormula {
    ResourceString name;  // the formula list's entry
    FieldState fields[kCircleFieldCount];
    bool angleUnitEnabled;
};

// In formula list order. Choosing a formula also empties the Result.
extern const CircleFormula kCircleFormulas[kCircleFormulaCount];

inline constexpr int kCircleFieldLimit = 31;

struct CircleInputs {
    double radius = 0.0;
    double angle = 0.0;
    double height = 0.0;
    int angleUnit = kDegree;  // the unit list's position; anything but kRadian is degrees
};

// The angle in radians as the trigonometric formulas see it.
double AngleInRadians(double angle, int angleUnit);

// The result of `formula`; kInvalidValue for a trigonometric angle the
// formula refuses, kNoFormula for an index outside the list.
CalcResult CalculateCircle(int formula, const CircleInputs& in);

}  // namespace tv
