#include "tools/formula_dialog.h"

#include "resources/resource_ids.h"
#include "tools/calculator_fields.h"

namespace tv {

bool FormulaDialog::OnCommand(int id, int code, HWND) {
    if (id == IDC_CALC_FORMULA && (everyListNotification_ || code == CBN_SELCHANGE)) {
        ApplyFieldStates();
        return true;
    }
    if (id == IDC_CALC_BUTTON) {
        Calculate();
        return true;
    }
    return false;
}

int FormulaDialog::SelectedFormula() const { return SelectedPosition(GetDlgItem(dialog_, IDC_CALC_FORMULA)); }

}  // namespace tv
