// What the two money converters share: their five-code selections, the rate
// and amount texts of their rows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "numfmt/number_text.h"

namespace tv {

// Source and four targets.
constexpr int kMoneyRows = 4;
using CurrencySelection = std::array<std::wstring, kMoneyRows + 1>;

// Characters of a code as its button is read (three and the terminator).
constexpr int kCodeReadChars = 3;
// Characters a rate field takes: all a saved custom rate keeps.
constexpr size_t kRateFieldChars = 15;
// Characters an amount field takes.
constexpr size_t kAmountFieldChars = 32;
// Characters of the amount and rate fields that are read: all they can hold,
// so no typed digit is silently left out.
constexpr size_t kMoneyFieldReadChars = kAmountFieldChars;

// The five three-letter codes run together in `stored`; a text too short
// to hold all five (a damaged setting) gives `fallback`'s codes.
CurrencySelection SplitSelection(std::wstring_view stored, std::wstring_view fallback);
// The codes run together again, each cut to three characters.
std::wstring JoinSelection(const CurrencySelection& codes);

// A rate as the rows show it: six decimals.
std::wstring RateText(double rate);
// `rate`, or 0 (no rate) when its text needs more room than a rate field has:
// the row would show, convert with and save only part of it.
double ShowableRate(double rate);

// An amount with two decimals; with grouping, in the locale's own number
// format and number of decimals.
std::wstring MoneyAmountText(double amount, bool groupDigits, const NumberGrouping& grouping);

// A row of the currency converter: the amount field's number times the rate
// exactly as its field shows it.
std::wstring ConvertedAmountText(std::wstring_view amountText, std::wstring_view rateText, bool groupDigits,
                                 const NumberGrouping& grouping);

}  // namespace tv
