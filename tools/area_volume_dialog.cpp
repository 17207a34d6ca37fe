#include "tools/area_volume_dialog.h"

#include <iterator>

#include "numfmt/locale_number_format.h"
#include "resources/resource_ids.h"
#include "tools/area_volume_formulas.h"
#include "tools/calculator_fields.h"

namespace tv {
namespace {

// The input fields, in AreaVolumeField order.
constexpr int kLengthFields[kAreaVolumeFieldCount] = {IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT};

static_assert(kAreaVolumeFormulaCount == IDS_AREA_VOLUME_FORMULA_LAST - IDS_AREA_VOLUME_FORMULA_FIRST + 1);

}  // namespace

AreaVolumeDialog::AreaVolumeDialog(const AppSettings& settings)
    : FormulaDialog(IDD_AREA_VOLUME, L"areavol"), settings_(settings) {}

bool AreaVolumeDialog::OnInitDialog() {
    SetUpConventions(0, false);
    LimitFields(kLengthFields, static_cast<int>(std::size(kLengthFields)), kAreaVolumeFieldLimit);
    FillFormulaList(GetDlgItem(dialog_, IDC_CALC_FORMULA), kAreaVolumeFormulas);
    ApplyFieldStates();
    return true;
}


void AreaVolumeDialog::ApplyFieldStates() {
    const int formula = SelectedFormula();
    if (formula < 0 || formula >= kAreaVolumeFormulaCount) return;
    SetDlgItemTextW(dialog_, IDC_CALC_RESULT, L"");
    for (int i = 0; i < kAreaVolumeFieldCount; ++i) {
        ApplyFieldState(GetDlgItem(dialog_, kLengthFields[i]), kAreaVolumeFormulas[formula].fields[i]);
    }
}

void AreaVolumeDialog::Calculate() {
    AreaVolumeValues values{};
    for (int i = 0; i < kAreaVolumeFieldCount; ++i) {
        values[i] = FieldNumber(GetDlgItem(dialog_, kLengthFields[i]), kAreaVolumeFieldLimit);
    }
    const CalcResult result = CalculateAreaVolume(SelectedFormula(), values);
    if (result.status != CalcStatus::kOk) {
        ShowCalcMessage(dialog_, result.status);
        return;
    }
    SetDlgItemTextW(dialog_, IDC_CALC_RESULT, FormatDisplayNumber(result.value, settings_).c_str());
}

}  // namespace tv
