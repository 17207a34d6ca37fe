#include "money/euro_rates_dialog.h"

#include "app/window_text.h"
#include "money/euro_fixed_rates.h"
#include "numfmt/locale_number_format.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {

EuroRatesDialog::EuroRatesDialog(AppSettings& settings)
    : MoneyDialog(L"euro", settings, CurrencyListKind::kEuroCodes) {}

bool EuroRatesDialog::OnInitDialog() {
    SetUpConventions(IDM_MONEY, true);
    // The rates are fixed: nothing to see or modify.
    shell::EnableMenuBarButton(dialog_, IDMB_TOOLS, false);
    for (int i = 0; i < kMoneyRows; ++i) ShowWindow(Item(IDC_RATE_1 + i), SW_HIDE);
    SetUpRows(SplitSelection(settings_.EuroSel, kDefaultEuroSel));
    return false;  // the amount has the focus
}

void EuroRatesDialog::Convert() {
    const std::wstring amount = WindowText(Item(IDC_AMOUNT));
    const std::wstring from = CodeOn(IDC_SOURCE_CURRENCY);
    const LocaleNumberGrouping grouping;
    for (int i = 0; i < kMoneyRows; ++i) {
        const std::wstring text =
            EuroAmountText(amount, from, CodeOn(IDC_TARGET_CURRENCY_1 + i), settings_.GroupDigits, grouping);
        SetWindowTextW(Item(IDC_CONVERTED_1 + i), text.c_str());
    }
}

void EuroRatesDialog::Save() {
    const std::wstring selection = JoinSelection(Codes());
    lstrcpynW(settings_.EuroSel, selection.c_str(), kSettingTextChars);
}

std::vector<ToolDialog::ReaderName> EuroRatesDialog::ReaderNames() const {
    return {{0, IDS_TOOL_EURO}};
}

}  // namespace tv
