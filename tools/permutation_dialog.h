// Permutations, combinations and factorials of whole numbers, shown exact
// or refused, never wrapped.
#pragma once

#include "app/tool_dialog.h"

namespace tv {

class PermutationDialog final : public ToolDialog {
public:
    PermutationDialog();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ApplyFieldStates();
    void Calculate();
};

}  // namespace tv
