// Ohm's law and the power law: pick a formula, type its two inputs, and
// Calculate fills the third quantity's field.
#pragma once

#include "app/tool_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class ElectricalDialog final : public ToolDialog {
public:
    // Results show with the record's decimal places and grouping.
    explicit ElectricalDialog(const AppSettings& settings);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ApplyFieldStates();
    void Calculate();

    const AppSettings& settings_;
};

}  // namespace tv
