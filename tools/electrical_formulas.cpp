#include "tools/electrical_formulas.h"

#include <cmath>

namespace tv {
using namespace field_letters;

//                               name                                        output     W  V  O  A
const ElectricalFormula kElectricalFormulas[kElectricalFormulaCount] = {
    {{IDS_ELECTRICAL_FORMULA_FIRST, L"Volts using Watts and Ohms"}, kVolts, {E, R, E, R}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 1, L"Volts using Watts and Amperes"}, kVolts, {E, R, R, E}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 2, L"Volts using Amperes and Ohms"}, kVolts, {R, R, E, E}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 3, L"Ohms using Volts and Amperes"}, kOhms, {R, E, R, E}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 4, L"Ohms using Volts and Watts"}, kOhms, {E, E, R, R}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 5, L"Ohms using Watts and Amperes"}, kOhms, {E, R, R, E}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 6, L"Amperes using Volts and Ohms"}, kAmperes, {R, E, E, R}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 7, L"Amperes using Watts and Volts"}, kAmperes, {E, E, R, R}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 8, L"Amperes using Watts and Ohms"}, kAmperes, {E, R, E, R}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 9, L"Watts using Volts and Amperes"}, kWatts, {R, E, R, E}},
    {{IDS_ELECTRICAL_FORMULA_FIRST + 10, L"Watts using Amperes and Ohms"}, kWatts, {R, R, E, E}},
    {{IDS_ELECTRICAL_FORMULA_LAST, L"Watts using Volts and Ohms"}, kWatts, {R, E, E, R}},
};

CalcResult CalculateElectrical(int formula, const ElectricalValues& values) {
    const double p = values[kWatts];
    const double v = values[kVolts];
    const double r = values[kOhms];
    const double i = values[kAmperes];
    constexpr CalcResult kRejected{CalcStatus::kInvalidValue, 0.0};

    // Each rejection compares exactly with zero, as the formula table does.
    switch (formula) {
        case 0:
            if (p < 0.0 || r < 0.0) return kRejected;
            return CheckedResult(std::sqrt(p * r));
        case 1:
            if (i <= 0.0) return kRejected;
            return CheckedResult(p / i);
        case 2:
            return CheckedResult(i * r);
        case 3:
            if (i == 0.0) return kRejected;
            return CheckedResult(v / i);
        case 4:
            if (p == 0.0) return kRejected;
            return CheckedResult(std::pow(v, 2.0) / p);
        case 5:
            if (i == 0.0) return kRejected;
            return CheckedResult(p / std::pow(i, 2.0));
        case 6:
            if (r == 0.0) return kRejected;
            return CheckedResult(v / r);
        case 7:
            if (v == 0.0) return kRejected;
            return CheckedResult(p / v);
        case 8:
            if (r <= 0.0 || p < 0.0) return kRejected;
            return CheckedResult(std::sqrt(p / r));
        case 9:
            return CheckedResult(i * v);
        case 10:
            return CheckedResult(std::pow(i, 2.0) * r);
        case 11:
            if (r == 0.0) return kRejected;
            return CheckedResult(std::pow(v, 2.0) / r);
        default:
            return {CalcStatus::kNoFormula, 0.0};
    }
}

}  // namespace tv
