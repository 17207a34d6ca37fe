#include "tools/calculator_dialog.h"

#include <vector>

#include "numfmt/locale_number_format.h"
#include "resources/resource_ids.h"
#include "tools/calculator_fields.h"

namespace tv {

bool CalculatorDialog::OnInitDialog() {
    SetUpConventions(0, false);
    for (int field : table_.fields) SendDlgItemMessageW(dialog_, field, EM_LIMITTEXT, table_.fieldLimit, 0);
    if (table_.choiceList) {
        HWND list = GetDlgItem(dialog_, table_.choiceList);
        for (const ResourceString& choice : table_.choices) AddStringToList(list, choice.id);
        SendMessageW(list, CB_SETCURSEL, table_.firstChoice, 0);
    }
    FillFormulaList(GetDlgItem(dialog_, IDC_CALC_FORMULA), table_.formulaCount, table_.name);
    ApplyFieldStates();
    if (!table_.fixedField) return true;
    // Read-only, yet Tab stops there to have it read; the formula list,
    // after it, keeps the first focus.
    HWND fixed = GetDlgItem(dialog_, table_.fixedField);
    SetWindowTextW(fixed, table_.fixedText);
    SetWindowLongW(fixed, GWL_STYLE, GetWindowLongW(fixed, GWL_STYLE) | WS_TABSTOP);
    SetFocus(GetDlgItem(dialog_, IDC_CALC_FORMULA));
    return false;
}

// Only the formula list sets the fields: a new choice in the second list
// waits for the next Calculate.
void CalculatorDialog::ApplyFieldStates() {
    const int formula = SelectedFormula();
    if (formula < 0 || formula >= table_.formulaCount) return;
    if (!table_.outputField) SetDlgItemTextW(dialog_, IDC_CALC_RESULT, L"");
    for (size_t i = 0; i < table_.fields.size(); ++i) {
        ApplyFieldState(GetDlgItem(dialog_, table_.fields[i]), table_.fieldState(formula, static_cast<int>(i)));
    }
    if (table_.choiceEnabled) EnableWindow(GetDlgItem(dialog_, table_.choiceList), table_.choiceEnabled(formula));
}

void CalculatorDialog::Calculate() {
    std::vector<double> values;
    for (int field : table_.fields) values.push_back(FieldNumber(GetDlgItem(dialog_, field), table_.fieldLimit));
    const int choice = table_.choiceList ? SelectedPosition(GetDlgItem(dialog_, table_.choiceList)) : 0;
    const int formula = SelectedFormula();
    const CalcResult result = formula >= 0 && formula < table_.formulaCount
                                  ? table_.compute(formula, values, choice)
                                  : CalcResult{CalcStatus::kNoFormula, 0.0};
    if (result.status != CalcStatus::kOk) {
        ShowCalcMessage(dialog_, result.status);
        return;
    }
    const std::wstring text = FormatDisplayNumber(result.value, settings_);
    if (!table_.outputField) {
        SetDlgItemTextW(dialog_, IDC_CALC_RESULT, text.c_str());
        return;
    }
    HWND output = GetDlgItem(dialog_, table_.outputField(formula));
    SetWindowTextW(output, text.c_str());
    SendMessageW(output, EM_SETSEL, 0, -1);
    SendMessageW(output, EM_SCROLLCARET, 0, 0);
    SetFocus(output);
}

std::vector<ToolDialog::ReaderName> CalculatorDialog::ReaderNames() const {
    return {{0, table_.toolName}, {IDC_CALC_FORMULA, IDS_NAME_FORMULA}, {IDC_CIRCLE_ANGLE_UNIT, IDS_NAME_ANGLE_UNIT}};
}

}  // namespace tv
