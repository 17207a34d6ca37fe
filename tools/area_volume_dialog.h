// Rectangles, prisms, triangles and pyramids: six formulas over base,
// width and height.
#pragma once

#include "tools/formula_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class AreaVolumeDialog final : public FormulaDialog {
public:
    // Results show with the record's decimal places and grouping.
    explicit AreaVolumeDialog(const AppSettings& settings);

protected:
    bool OnInitDialog() override;
    void ApplyFieldStates() override;
    void Calculate() override;

private:
    const AppSettings& settings_;
};

}  // namespace tv
