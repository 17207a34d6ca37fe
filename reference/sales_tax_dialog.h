// Sales tax and VAT rates for Canada, the USA and Europe, each region's
// table read from its data file when it is chosen.
#pragma once

#include <optional>
#include <string>

#include "reference/list_tool_dialog.h"
#include "reference/list_view_rows.h"
#include "reference/sales_tax.h"

namespace tv {

class SalesTaxDialog final : public ListToolDialog {
public:
    // dataFolder: where the region files are, ending in a backslash; empty
    // for the program's folder.
    explicit SalesTaxDialog(std::wstring dataFolder = {});

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    void Choose(HWND, int position) override { ShowRegion(position); }
    LRESULT DrawTable(NMLVCUSTOMDRAW& draw) override { return stripes_.Draw(draw); }
    bool OnTableNotify(NMHDR& header, LRESULT& answer) override;

private:
    std::wstring PathOf(const wchar_t* fileName) const;
    void ShowRegion(int region);

    std::wstring dataFolder_;
    RowStripes stripes_;
    // The region shown, read when it was chosen; none for a file that could not be.
    std::optional<SalesTaxText> table_;
};

}  // namespace tv
