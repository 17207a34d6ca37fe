// The About box: the program's name, icon and version.
#pragma once

#include "app/tool_dialog.h"

namespace tv {

class AboutDialog final : public ToolDialog {
public:
    AboutDialog();

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    bool OnCommand(int id, int code, HWND control) override;
};

}  // namespace tv
