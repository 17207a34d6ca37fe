// What the formula calculators share: a formula list whose choice sets the
// fields, and a Calculate button.
#pragma once

#include "app/tool_dialog.h"

namespace tv {

class FormulaDialog : public ToolDialog {
protected:
    // everyListNotification: the fields follow any notification of the
    // formula list, not only a new selection.
    FormulaDialog(int templateId, const wchar_t* helpTopic, bool everyListNotification = false)
        : ToolDialog(templateId, helpTopic), everyListNotification_(everyListNotification) {}

    bool OnCommand(int id, int code, HWND control) override;

    // Sets each field as the chosen formula wants it.
    virtual void ApplyFieldStates() = 0;
    virtual void Calculate() = 0;

    // The chosen formula's position, -1 for none.
    int SelectedFormula() const;

private:
    bool everyListNotification_;
};

}  // namespace tv
