#include "tools/electrical_dialog.h"

#include <iterator>

#include "numfmt/locale_number_format.h"
#include "resources/resource_ids.h"
#include "tools/calculator_fields.h"
#include "tools/electrical_formulas.h"

namespace tv {
namespace {

// The quantities' fields, in ElectricalQuantity order.
constexpr int kQuantityFields[kElectricalQuantityCount] = {IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS,
                                                           IDC_ELEC_AMPERES};

static_assert(kElectricalFormulaCount == IDS_ELECTRICAL_FORMULA_LAST - IDS_ELECTRICAL_FORMULA_FIRST + 1);

}  // namespace

ElectricalDialog::ElectricalDialog(const AppSettings& settings)
    : FormulaDialog(IDD_ELECTRICAL, L"elect"), settings_(settings) {}

bool ElectricalDialog::OnInitDialog() {
    SetUpConventions(0, false);
    LimitFields(kQuantityFields, static_cast<int>(std::size(kQuantityFields)), kElectricalFieldLimit);
    FillFormulaList(GetDlgItem(dialog_, IDC_CALC_FORMULA), kElectricalFormulas);
    ApplyFieldStates();
    return true;
}


void ElectricalDialog::ApplyFieldStates() {
    const int formula = SelectedFormula();
    if (formula < 0 || formula >= kElectricalFormulaCount) return;
    for (int q = 0; q < kElectricalQuantityCount; ++q) {
        ApplyFieldState(GetDlgItem(dialog_, kQuantityFields[q]), kElectricalFormulas[formula].fields[q]);
    }
}

void ElectricalDialog::Calculate() {
    ElectricalValues values{};
    for (int q = 0; q < kElectricalQuantityCount; ++q) {
        values[q] = FieldNumber(GetDlgItem(dialog_, kQuantityFields[q]), kElectricalFieldLimit);
    }
    const int formula = SelectedFormula();
    const CalcResult result = CalculateElectrical(formula, values);
    if (result.status != CalcStatus::kOk) {
        ShowCalcMessage(dialog_, result.status);
        return;
    }
    HWND output = GetDlgItem(dialog_, kQuantityFields[kElectricalFormulas[formula].output]);
    SetWindowTextW(output, FormatDisplayNumber(result.value, settings_).c_str());
    SendMessageW(output, EM_SETSEL, 0, -1);
    SendMessageW(output, EM_SCROLLCARET, 0, 0);
    SetFocus(output);
}

}  // namespace tv
