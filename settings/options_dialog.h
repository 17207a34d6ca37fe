// Display options: decimal places and digit grouping.
#pragma once

#include "app/tool_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class OptionsDialog final : public ToolDialog {
public:
    explicit OptionsDialog(AppSettings& settings);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    AppSettings& settings_;
};

}  // namespace tv
