// The currency converter: one amount into four currencies at the rates of
// the user's exchange-rate file, or at rates the user types.
#pragma once

#include "money/exchange_rate_table.h"
#include "money/money_dialog.h"
#include "money/rate_download.h"

namespace tv {

class CurrencyDialog final : public MoneyDialog {
public:
    // Reads and keeps MoneySel and CustomRates in `settings`; the rates come
    // from `rates`, loaded when the dialog opens.
    CurrencyDialog(AppSettings& settings, ExchangeRateTable rates);

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void Convert() override;
    void Picked(int row) override;
    void UpdateToolsMenu(HMENU menu) override;
    void Save() override;

private:
    // Shows row `row`'s cross rate; false when there is none.
    bool ShowRate(int row);
    void ToggleModifyRates();
    // Update Currency Data: the fetch runs on while the dialog works on.
    // The converter with the file's rates, once they are loaded.
    void ShowRates();
    void StartUpdate();
    // The fetch ended: the rate file is replaced and shown, or left alone.
    void FinishUpdate();
    // A message box of the program's over the dialog; the button pressed.
    int Say(const std::wstring& text, UINT flags) const;
    void Tell(int stringId, UINT icon) const;
    // String 24 with `cause` as its second line.
    void TellUpdateFailed(const std::wstring& cause) const;

    // Posted by the download when its transfer ends.
    static constexpr UINT kUpdateDoneMessage = WM_APP + 41;

    ExchangeRateTable rates_;
    bool modifyRates_ = false;
    // Opened with no rate file, fetching the first: nothing shown to keep.
    bool firstRates_ = false;
    RateDownload download_;
};

// Runs the currency converter over `owner` with the user's rate file.
void RunCurrencyConverter(HWND owner, AppSettings& settings);

}  // namespace tv
