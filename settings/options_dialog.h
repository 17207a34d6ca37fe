// Display options: decimal places and digit grouping.
#pragma once

#include <memory>
#include <type_traits>

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
    struct BitmapDeleter {
        void operator()(HBITMAP b) const { DeleteObject(b); }
    };
    void ScaleRule();

    AppSettings& settings_;
    // Declared last: deleted after the dialog's controls stop using it.
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> rule_;
};

}  // namespace tv
