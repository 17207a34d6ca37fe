// Clothing and shoe size tables between regions, one table at a time.
#pragma once

#include "reference/list_tool_dialog.h"
#include "reference/list_view_rows.h"

namespace tv {

class ClothingSizesDialog final : public ListToolDialog {
public:
    ClothingSizesDialog();

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    void Choose(HWND, int position) override { ShowSizeTable(position); }
    LRESULT DrawTable(NMLVCUSTOMDRAW& draw) override { return stripes_.Draw(draw); }
    bool OnTableNotify(NMHDR& header, LRESULT& answer) override;

private:
    void ShowSizeTable(int index);
    void SupplyCellText(NMLVDISPINFOW& request) const;

    int shown_ = 0;  // the table the rows were made for; every opening starts with 0
    RowStripes stripes_;
};

}  // namespace tv
