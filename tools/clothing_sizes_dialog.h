// Clothing and shoe size tables between regions, one table at a time.
#pragma once

#include "app/tool_dialog.h"
#include "reference/list_view_rows.h"

namespace tv {

class ClothingSizesDialog final : public ToolDialog {
public:
    ClothingSizesDialog();
    ~ClothingSizesDialog() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ShowSizeTable(int index);
    void SupplyCellText(NMLVDISPINFOW& request) const;

    HWND list_ = nullptr;
    int shown_ = 0;  // the table the rows were made for; every opening starts with 0
    RowStripes stripes_;
};

}  // namespace tv
