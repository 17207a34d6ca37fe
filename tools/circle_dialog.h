// Circles, angles and curved solids: fifteen formulas over radius, angle
// (in degrees or radians) and height.
#pragma once

#include "app/tool_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class CircleDialog final : public ToolDialog {
public:
    // Results show with the record's decimal places and grouping.
    explicit CircleDialog(const AppSettings& settings);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ApplyFieldStates();
    void Calculate();

    const AppSettings& settings_;
};

}  // namespace tv
