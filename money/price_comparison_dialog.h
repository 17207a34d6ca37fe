// The price comparison: the price per unit of quantity of two products,
// side by side.
#pragma once

#include <optional>

#include "app/keypad_panel.h"
#include "app/tool_dialog.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"

namespace tv {

class PriceCompareDialog final : public ToolDialog {
public:
    // Digit grouping is read from `settings` at every calculation.
    explicit PriceCompareDialog(const AppSettings& settings);

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    int EnterCommand() const override { return IDC_CONVERT_BUTTON; }

private:
    void Calculate();
    void ClearAll();

    const AppSettings& settings_;
    // "Clear All" is not a keypad key but looks like one.
    std::optional<KeypadButton> clearAll_;
};

}  // namespace tv
