// Days from one calendar date to another, recounted whenever either date
// picker changes.
#pragma once

#include "app/tool_dialog.h"

namespace tv {

class DaysBetweenDialog final : public ToolDialog {
public:
    DaysBetweenDialog();

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void Count();
};

}  // namespace tv
