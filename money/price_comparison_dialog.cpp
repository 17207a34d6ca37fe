#include "money/price_comparison_dialog.h"

#include <string>
#include <vector>

#include "app/window_text.h"
#include "money/price_comparison.h"
#include "numfmt/locale_number_format.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

struct ProductFields {
    int price, quantity, unitPrice;
};
constexpr ProductFields kProducts[] = {{IDC_PRICE_1, IDC_QUANTITY_1, IDC_UNIT_PRICE_1},
                                       {IDC_PRICE_2, IDC_QUANTITY_2, IDC_UNIT_PRICE_2}};

}  // namespace

PriceCompareDialog::PriceCompareDialog(const AppSettings& settings)
    : ToolDialog(IDD_PRICE_COMPARISON, L"pricecmp"), settings_(settings) {}


bool PriceCompareDialog::OnInitDialog() {
    SetUpConventions(0, true);
    if (HWND button = GetDlgItem(dialog_, IDC_CLEAR_ALL)) clearAll_.emplace(button);
    // No more than is read: a longer number would be priced by its first digits.
    for (const ProductFields& product : kProducts) {
        SendDlgItemMessageW(dialog_, product.price, EM_LIMITTEXT, kPriceFieldReadChars, 0);
        SendDlgItemMessageW(dialog_, product.quantity, EM_LIMITTEXT, kPriceFieldReadChars, 0);
    }
    HWND price = GetDlgItem(dialog_, IDC_PRICE_1);
    SetFocus(price);
    keypad_.SetTarget(price);
    return false;
}

void PriceCompareDialog::Calculate() {
    const LocaleNumberGrouping grouping;
    for (const ProductFields& product : kProducts) {
        // A quantity that is not above 0 leaves the earlier result in view.
        if (auto text = UnitPriceText(WindowText(GetDlgItem(dialog_, product.price)),
                                      WindowText(GetDlgItem(dialog_, product.quantity)), settings_.GroupDigits,
                                      grouping)) {
            SetDlgItemTextW(dialog_, product.unitPrice, text->c_str());
        }
    }
}

void PriceCompareDialog::ClearAll() {
    for (int id : {IDC_PRICE_1, IDC_PRICE_2, IDC_QUANTITY_1, IDC_QUANTITY_2, IDC_UNIT_PRICE_1, IDC_UNIT_PRICE_2}) {
        SetDlgItemTextW(dialog_, id, L"");
    }
    SetFocus(GetDlgItem(dialog_, IDC_PRICE_1));
}

bool PriceCompareDialog::OnCommand(int id, int, HWND) {
    switch (id) {
        case IDC_CONVERT_BUTTON:
            Calculate();
            return true;
        case IDC_CLEAR_ALL:
            ClearAll();
            return true;
        default:
            return false;
    }
}

bool PriceCompareDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (!clearAll_) return false;
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.hwndItem != clearAll_->Handle()) return false;
        clearAll_->Draw(item);
        result = TRUE;
        return true;
    }
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlID != IDC_CLEAR_ALL) return false;
        clearAll_->Measure(item);
        result = TRUE;
        return true;
    }
    return false;
}

std::vector<ToolDialog::ReaderName> PriceCompareDialog::ReaderNames() const {
    return {{0, IDS_TOOL_PRICES},
            {IDC_PRICE_1, IDS_NAME_PRICE_1},
            {IDC_QUANTITY_1, IDS_NAME_PRICE_1 + 1},
            {IDC_UNIT_PRICE_1, IDS_NAME_PRICE_1 + 2},
            {IDC_PRICE_2, IDS_NAME_PRICE_1 + 3},
            {IDC_QUANTITY_2, IDS_NAME_PRICE_1 + 4},
            {IDC_UNIT_PRICE_2, IDS_NAME_PRICE_1 + 5}};
}

}  // namespace tv
