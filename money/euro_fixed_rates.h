// The irrevocable rates between the euro and the currencies it replaced.
#pragma once

#include <string>
#include <string_view>

#include "numfmt/number_text.h"

namespace tv {

struct EuroFixedRate {
    const wchar_t* code;
    double unitsPerEuro;
};
constexpr int kEuroCurrencyCount = 22;
extern const EuroFixedRate kEuroFixedRateTable[kEuroCurrencyCount];

// The table index of `code`, letter case counting; an unknown code is the
// euro, index 0.
int EuroRateIndex(std::wstring_view code);

// `amount` of `from` in `to`: divided by the source's rate, then multiplied
// by the target's.
double EuroConvert(double amount, std::wstring_view from, std::wstring_view to);

// A row of the euro converter from the amount field's text.
std::wstring EuroAmountText(std::wstring_view amountText, std::wstring_view from, std::wstring_view to,
                            bool groupDigits, const NumberGrouping& grouping);

}  // namespace tv
