// Sales tax and VAT rates for Canada, the USA and Europe, each region's
// table read from its data file when it is chosen.
#pragma once

#include <string>

#include "app/tool_dialog.h"
#include "reference/list_view_rows.h"

namespace tv {

class SalesTaxDialog final : public ToolDialog {
public:
    // dataFolder: where the region files are, ending in a backslash; empty
    // for the program's folder.
    explicit SalesTaxDialog(std::wstring dataFolder = {});
    ~SalesTaxDialog() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    std::wstring PathOf(const wchar_t* fileName) const;
    void ShowRegion(int region);

    std::wstring dataFolder_;
    HWND list_ = nullptr;
    RowStripes stripes_;
};

}  // namespace tv
