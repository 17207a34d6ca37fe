// Rectangles, rectangular prisms, triangles and pyramids with a rectangular
// base: six formulas that accept every input, zero and negative included.
#pragma once

#include <array>

#include "tools/calculator_common.h"

namespace tv {

enum AreaVolumeFormulaId : int {
    kRectangleArea = 0,
    kRectanglePerimeter,
    kPrismVolume,
    kPrismSurfaceArea,
    kTriangleArea,
    kPyramidVolume,
    kAreaVolumeFormulaCount
};

enum AreaVolumeField : int { kBaseLength = 0, kWidthLength, kHeightLength, kAreaVolumeFieldCount };

using AreaVolumeValues = std::array<double, kAreaVolumeFieldCount>;

struct AreaVolumeFormula {
    ResourceString name;  // the formula list's entry
    FieldState fields[kAreaVolumeFieldCount];
};

// In formula list order. Choosing a formula also empties the Result.
extern const AreaVolumeFormula kAreaVolumeFormulas[kAreaVolumeFormulaCount];

inline constexpr int kAreaVolumeFieldLimit = 31;

// The result of `formula` from base, width and height (an empty field reads
// 0); kNoFormula for an index outside the list.
CalcResult CalculateAreaVolume(int formula, const AreaVolumeValues& values);

}  // namespace tv
