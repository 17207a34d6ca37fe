// Circles, angles and curved solids: fifteen formulas over radius, angle
// (in degrees or radians) and height.
#pragma once

#include "tools/formula_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class CircleDialog final : public FormulaDialog {
public:
    // Results show with the record's decimal places and grouping.
    explicit CircleDialog(const AppSettings& settings);

protected:
    bool OnInitDialog() override;
    void ApplyFieldStates() override;
    void Calculate() override;

private:
    const AppSettings& settings_;
};

}  // namespace tv
