// The euro converter: an amount between the euro and the currencies it
// replaced, at their fixed rates.
#pragma once

#include "money/money_dialog.h"

namespace tv {

class EuroRatesDialog final : public MoneyDialog {
public:
    // Reads and keeps EuroSel in `settings`.
    explicit EuroRatesDialog(AppSettings& settings);

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    void Convert() override;
    void Save() override;
};

}  // namespace tv
