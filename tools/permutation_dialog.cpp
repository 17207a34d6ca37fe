#include "tools/permutation_dialog.h"

#include "resources/resource_ids.h"
#include "tools/calculator_fields.h"
#include "tools/permutations.h"

namespace tv {
namespace {

// The fields are read into 32 characters, more than they let anyone type.
constexpr int kReadChars = 31;

static_assert(kCountFormulaCount == IDS_FACTORIAL - IDS_PERMUTATION + 1);

}  // namespace

// No help topic: F1 does nothing here. Every notification of the formula
// list, not only a new selection, sets the fields; that only repeats what
// the selection already did.
PermutationDialog::PermutationDialog() : FormulaDialog(IDD_PERMUTATION, nullptr, true) {}

bool PermutationDialog::OnInitDialog() {
    SetUpConventions(0, false);
    SendDlgItemMessageW(dialog_, IDC_PERM_SET_SIZE, EM_LIMITTEXT, kCountFieldLimit, 0);
    SendDlgItemMessageW(dialog_, IDC_PERM_ITEMS_TAKEN, EM_LIMITTEXT, kCountFieldLimit, 0);
    FillFormulaList(GetDlgItem(dialog_, IDC_CALC_FORMULA), kCountFormulaCount,
                    [](int f) { return kCountFormulas[f].name; });
    ApplyFieldStates();
    return true;
}


void PermutationDialog::ApplyFieldStates() {
    const int formula = SelectedFormula();
    if (formula < 0 || formula >= kCountFormulaCount) return;
    // The Result keeps the last count.
    ApplyFieldState(GetDlgItem(dialog_, IDC_PERM_ITEMS_TAKEN), kCountFormulas[formula].itemsField);
}

void PermutationDialog::Calculate() {
    const CountInput setSize = ReadCountText(FieldText(GetDlgItem(dialog_, IDC_PERM_SET_SIZE), kReadChars));
    const CountInput itemsTaken = ReadCountText(FieldText(GetDlgItem(dialog_, IDC_PERM_ITEMS_TAKEN), kReadChars));
    const CountResult result =
        CalculateCount(SelectedFormula(), setSize, itemsTaken);
    if (result.status != CalcStatus::kOk) {
        ShowCalcMessage(dialog_, result.status);
        return;
    }
    SetDlgItemTextW(dialog_, IDC_CALC_RESULT, CountText(result.value).c_str());
}

std::vector<ToolDialog::ReaderName> PermutationDialog::ReaderNames() const {
    return {{0, IDS_TOOL_PERMUTATION}, {IDC_CALC_FORMULA, IDS_NAME_FORMULA}};
}

}  // namespace tv
