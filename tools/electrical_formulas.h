// Ohm's law and the power law: twelve formulas, each solving one of watts,
// volts, ohms and amperes from two others.
#pragma once

#include <array>

#include "tools/calculator_common.h"

namespace tv {

// The four quantities in the order of their fields.
enum ElectricalQuantity : int { kWatts = 0, kVolts, kOhms, kAmperes, kElectricalQuantityCount };

using ElectricalValues = std::array<double, kElectricalQuantityCount>;

inline constexpr int kElectricalFormulaCount = 12;

struct ElectricalFormula {
    ResourceString name;  // the formula list's entry
    ElectricalQuantity output;
    // Inputs are editable; the output and the unused quantity read-only and empty.
    FieldState fields[kElectricalQuantityCount];
};

// In formula list order.
extern const ElectricalFormula kElectricalFormulas[kElectricalFormulaCount];

inline constexpr int kElectricalFieldLimit = 31;

// The output quantity of `formula` from `values` (an empty field reads 0).
// kInvalidValue where the formula rejects its inputs (a zero divisor, a
// negative under a root), kNoFormula for an index outside the list.
CalcResult CalculateElectrical(int formula, const ElectricalValues& values);

}  // namespace tv
