#include "tools/circle_dialog.h"

#include <iterator>

#include "numfmt/locale_number_format.h"
#include "resources/resource_ids.h"
#include "tools/calculator_fields.h"
#include "tools/circle_formulas.h"

namespace tv {
namespace {

// The input fields, in CircleField order.
constexpr int kInputFields[kCircleFieldCount] = {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT};

static_assert(kCircleFormulaCount == IDS_CIRCLE_FORMULA_LAST - IDS_CIRCLE_FORMULA_FIRST + 1);

}  // namespace

CircleDialog::CircleDialog(const AppSettings& settings) : FormulaDialog(IDD_CIRCLE, L"circle"), settings_(settings) {}

bool CircleDialog::OnInitDialog() {
    SetUpConventions(0, false);
    LimitFields(kInputFields, static_cast<int>(std::size(kInputFields)), kCircleFieldLimit);
    HWND units = GetDlgItem(dialog_, IDC_CIRCLE_ANGLE_UNIT);
    for (const ResourceString& unit : kAngleUnitNames) AddListEntry(units, unit.id);
    SendMessageW(units, CB_SETCURSEL, kDegree, 0);
    FillFormulaList(GetDlgItem(dialog_, IDC_CALC_FORMULA), kCircleFormulas);
    ApplyFieldStates();
    SetDlgItemTextW(dialog_, IDC_CIRCLE_PI, kPiText);
    return true;
}


// Only the formula list sets the fields: a new angle unit waits for the next
// Calculate.
void CircleDialog::ApplyFieldStates() {
    const int formula = SelectedFormula();
    if (formula < 0 || formula >= kCircleFormulaCount) return;
    SetDlgItemTextW(dialog_, IDC_CALC_RESULT, L"");
    const CircleFormula& f = kCircleFormulas[formula];
    for (int i = 0; i < kCircleFieldCount; ++i) ApplyFieldState(GetDlgItem(dialog_, kInputFields[i]), f.fields[i]);
    EnableWindow(GetDlgItem(dialog_, IDC_CIRCLE_ANGLE_UNIT), f.angleUnitEnabled);
}

void CircleDialog::Calculate() {
    CircleInputs in;
    in.angleUnit = SelectedPosition(GetDlgItem(dialog_, IDC_CIRCLE_ANGLE_UNIT));
    in.radius = FieldNumber(GetDlgItem(dialog_, IDC_CIRCLE_RADIUS), kCircleFieldLimit);
    in.angle = FieldNumber(GetDlgItem(dialog_, IDC_CIRCLE_ANGLE), kCircleFieldLimit);
    in.height = FieldNumber(GetDlgItem(dialog_, IDC_CIRCLE_HEIGHT), kCircleFieldLimit);
    const CalcResult result = CalculateCircle(SelectedFormula(), in);
    if (result.status != CalcStatus::kOk) {
        ShowCalcMessage(dialog_, result.status);
        return;
    }
    SetDlgItemTextW(dialog_, IDC_CALC_RESULT, FormatDisplayNumber(result.value, settings_).c_str());
}

}  // namespace tv
