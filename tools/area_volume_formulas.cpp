#include "tools/area_volume_formulas.h"

namespace tv {
using namespace field_letters;

//                              name                                        base width height
const AreaVolumeFormula kAreaVolumeFormulas[kAreaVolumeFormulaCount] = {
    {{IDS_AREA_VOLUME_FORMULA_FIRST, L"Rectangle Area"}, {E, E, R}},
    {{IDS_AREA_VOLUME_FORMULA_FIRST + 1, L"Rectangle Perimeter"}, {E, E, R}},
    {{IDS_AREA_VOLUME_FORMULA_FIRST + 2, L"Rectangular Prism Volume"}, {E, E, E}},
    {{IDS_AREA_VOLUME_FORMULA_FIRST + 3, L"Rectangular Prism Surface Area"}, {E, E, E}},
    {{IDS_AREA_VOLUME_FORMULA_FIRST + 4, L"Triangle Area"}, {E, R, E}},
    {{IDS_AREA_VOLUME_FORMULA_LAST, L"Pyramid Volume (Rectangular Base)"}, {E, E, E}},
};

CalcResult CalculateAreaVolume(int formula, const AreaVolumeValues& values) {
    const double b = values[kBaseLength];
    const double w = values[kWidthLength];
    const double h = values[kHeightLength];
    // Evaluated left to right as the formulas are written.
    switch (formula) {
        case kRectangleArea:
            return CheckedResult(w * b);
        case kRectanglePerimeter:
            return CheckedResult((w + b) * 2.0);
        case kPrismVolume:
            return CheckedResult((h * w) * b);
        case kPrismSurfaceArea:
            return CheckedResult((((h * w) * 2.0) + ((h * b) * 2.0)) + ((w * b) * 2.0));
        case kTriangleArea:
            return CheckedResult((h * b) * 0.5);
        case kPyramidVolume:
            return CheckedResult(((h * w) * b) * 0.3333333333333333);
        default:
            return {CalcStatus::kNoFormula, 0.0};
    }
}

}  // namespace tv
