// The number base converter: one whole number typed in decimal,
// hexadecimal, octal or binary, shown in the three other bases.
#pragma once

#include "app/tool_dialog.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"
#include "tools/number_base.h"

namespace tv {

class BaseConverterDialog final : public ToolDialog {
public:
    // Digit grouping is read from `settings` at every conversion.
    explicit BaseConverterDialog(const AppSettings& settings);

    // The background colour behind the labels and radio buttons.
    static constexpr COLORREF kBackground = RGB(218, 194, 240);

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    int EnterCommand() const override { return IDC_CONVERT_BUTTON; }

private:
    void ApplyBase();
    void Convert();
    void UpdateEditMenu(HMENU menu);

    const AppSettings& settings_;
    const BaseLayout* layout_ = &kBaseLayouts[0];
};

}  // namespace tv
