// Ohm's law and the power law: pick a formula, type its two inputs, and
// Calculate fills the third quantity's field.
#pragma once

#include "tools/formula_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class ElectricalDialog final : public FormulaDialog {
public:
    // Results show with the record's decimal places and grouping.
    explicit ElectricalDialog(const AppSettings& settings);

protected:
    bool OnInitDialog() override;
    void ApplyFieldStates() override;
    void Calculate() override;

private:
    const AppSettings& settings_;
};

}  // namespace tv
