// Display options: decimal places, digit grouping and the size of every window.
#pragma once

#include "app/tool_dialog.h"
#include "settings/app_settings.h"

namespace tv {

class OptionsDialog final : public ToolDialog {
public:
    explicit OptionsDialog(AppSettings& settings);

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    bool OnCommand(int id, int code, HWND control) override;
    // A zoom key pressed meanwhile shows in the Size list.
    void OnRescale() override { ShowSize(Scale().zoom); }

private:
    void ShowSize(int zoom);

    AppSettings& settings_;
};

}  // namespace tv
