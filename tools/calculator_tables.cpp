// The three table-driven calculators: which template, fields and formulas
// each one shows, and how it computes.
#include <algorithm>

#include "resources/resource_ids.h"
#include "tools/area_volume_formulas.h"
#include "tools/calculator_dialog.h"
#include "tools/circle_formulas.h"
#include "tools/electrical_formulas.h"

namespace tv {
namespace {

// The quantities' fields, in ElectricalQuantity order.
constexpr int kElectricalFields[kElectricalQuantityCount] = {IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS,
                                                             IDC_ELEC_AMPERES};
// In CircleField order.
constexpr int kCircleFields[kCircleFieldCount] = {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT};
// In AreaVolumeField order.
constexpr int kAreaVolumeFields[kAreaVolumeFieldCount] = {IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT};

static_assert(kElectricalFormulaCount == IDS_ELECTRICAL_FORMULA_LAST - IDS_ELECTRICAL_FORMULA_FIRST + 1);
static_assert(kCircleFormulaCount == IDS_CIRCLE_FORMULA_LAST - IDS_CIRCLE_FORMULA_FIRST + 1);
static_assert(kAreaVolumeFormulaCount == IDS_AREA_VOLUME_FORMULA_LAST - IDS_AREA_VOLUME_FORMULA_FIRST + 1);

template <const auto& formulas>
ResourceString NameOf(int f) {
    return formulas[f].name;
}

template <const auto& formulas>
FieldState FieldOf(int f, int field) {
    return formulas[f].fields[field];
}

template <typename Values>
Values Copied(std::span<const double> from) {
    Values values{};
    std::copy_n(from.begin(), std::min(from.size(), values.size()), values.begin());
    return values;
}

}  // namespace

const CalculatorTable kElectricalCalculator = {
    IDD_ELECTRICAL, L"elect", IDS_TOOL_ELECTRICAL, kElectricalFields, kElectricalFieldLimit, kElectricalFormulaCount,
    NameOf<kElectricalFormulas>, FieldOf<kElectricalFormulas>,
    [](int f, std::span<const double> values, int) {
        return CalculateElectrical(f, Copied<ElectricalValues>(values));
    },
    [](int f) { return kElectricalFields[kElectricalFormulas[f].output]; },
};

const CalculatorTable kCircleCalculator = {
    IDD_CIRCLE, L"circle", IDS_TOOL_CIRCLE, kCircleFields, kCircleFieldLimit, kCircleFormulaCount,
    NameOf<kCircleFormulas>, FieldOf<kCircleFormulas>,
    [](int f, std::span<const double> values, int unit) {
        CircleInputs in;
        in.radius = values[kCircleRadius];
        in.angle = values[kCircleAngle];
        in.height = values[kCircleHeight];
        in.angleUnit = unit;
        return CalculateCircle(f, in);
    },
    nullptr,
    IDC_CIRCLE_ANGLE_UNIT, kAngleUnitNames, kDegree,
    [](int f) { return kCircleFormulas[f].angleUnitEnabled; },
    IDC_CIRCLE_PI, kPiText,
};

const CalculatorTable kAreaVolumeCalculator = {
    IDD_AREA_VOLUME, L"areavol", IDS_TOOL_AREA_VOLUME, kAreaVolumeFields, kAreaVolumeFieldLimit, kAreaVolumeFormulaCount,
    NameOf<kAreaVolumeFormulas>, FieldOf<kAreaVolumeFormulas>,
    [](int f, std::span<const double> values, int) {
        return CalculateAreaVolume(f, Copied<AreaVolumeValues>(values));
    },
};

}  // namespace tv
