#include "money/euro_fixed_rates.h"

#include "money/money_amounts.h"

namespace tv {

const EuroFixedRate kEuroFixedRateTable[kEuroCurrencyCount] = {
    {L"EUR", 1.0},     {L"ATS", 13.7603}, {L"BEF", 40.3399},  {L"FIM", 5.94573}, {L"FRF", 6.55957},
    {L"DEM", 1.95583}, {L"GRD", 340.75},  {L"IEP", 0.787564}, {L"ITL", 1936.27}, {L"LUF", 40.3399},
    {L"NLG", 2.20371}, {L"PTE", 200.482}, {L"ESP", 166.386},
    // Those that joined later, in order of joining; appended so that no
    // stored position moves.
    {L"SIT", 239.640}, {L"CYP", 0.585274}, {L"MTL", 0.429300}, {L"SKK", 30.1260}, {L"EEK", 15.6466},
    {L"LVL", 0.702804}, {L"LTL", 3.45280}, {L"HRK", 7.53450}, {L"BGN", 1.95583},
};

int EuroRateIndex(std::wstring_view code) {
    for (int i = 0; i < kEuroCurrencyCount; ++i) {
        if (code == kEuroFixedRateTable[i].code) return i;
    }
    return 0;
}

double EuroConvert(double amount, std::wstring_view from, std::wstring_view to) {
    return (amount / kEuroFixedRateTable[EuroRateIndex(from)].unitsPerEuro) *
           kEuroFixedRateTable[EuroRateIndex(to)].unitsPerEuro;
}

std::wstring EuroAmountText(std::wstring_view amountText, std::wstring_view from, std::wstring_view to,
                            bool groupDigits, const NumberGrouping& grouping) {
    const double amount = ReadTypedNumber(amountText.substr(0, kMoneyFieldReadChars), grouping);
    return MoneyAmountText(EuroConvert(amount, from, to), groupDigits, grouping);
}

}  // namespace tv
