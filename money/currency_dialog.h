// The currency converter: one amount into four currencies at the rates of
// the user's exchange-rate file, or at rates the user types.
#pragma once

#include "money/exchange_rate_table.h"
#include "money/money_dialog.h"

namespace tv {

class CurrencyDialog final : public MoneyDialog {
public:
    // Reads and keeps MoneySel and CustomRates in `settings`; the rates come
    // from `rates`, loaded when the dialog opens.
    CurrencyDialog(AppSettings& settings, ExchangeRateTable rates);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void Convert() override;
    void Picked(int row) override;
    void UpdateToolsMenu(HMENU menu) override;
    void Save() override;

private:
    // Shows row `row`'s cross rate; false when there is none.
    bool ShowRate(int row);
    void ToggleModifyRates();

    ExchangeRateTable rates_;
    bool modifyRates_ = false;
};

// Runs the currency converter over `owner` with the user's rate file.
void RunCurrencyConverter(HWND owner, AppSettings& settings);

}  // namespace tv
