// Permutations, combinations and factorials of whole numbers, shown exact
// or refused, never wrapped.
#pragma once

#include "tools/formula_dialog.h"

namespace tv {

class PermutationDialog final : public FormulaDialog {
public:
    PermutationDialog();

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    void ApplyFieldStates() override;
    void Calculate() override;
};

}  // namespace tv
