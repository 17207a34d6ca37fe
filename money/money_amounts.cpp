#include "money/money_amounts.h"

#include <cmath>

namespace tv {

CurrencySelection SplitSelection(std::wstring_view stored, std::wstring_view fallback) {
    constexpr size_t kCodes = kMoneyRows + 1;
    if (stored.size() < kCodes * kCodeReadChars) stored = fallback;
    CurrencySelection codes;
    for (size_t i = 0; i < kCodes; ++i) {
        const size_t at = i * kCodeReadChars;
        if (at < stored.size()) codes[i] = std::wstring(stored.substr(at, kCodeReadChars));
    }
    return codes;
}

std::wstring JoinSelection(const CurrencySelection& codes) {
    std::wstring joined;
    for (const std::wstring& code : codes) joined += code.substr(0, kCodeReadChars);
    return joined;
}

std::wstring RateText(double rate) { return FixedText(rate, 6); }

double ShowableRate(double rate) { return RateText(rate).size() <= kRateFieldChars ? rate : 0.0; }

std::wstring MoneyAmountText(double amount, bool groupDigits, const NumberGrouping& grouping) {
    // A typed amount or rate near the double range's end would otherwise
    // show as hundreds of digits or as garbage.
    if (!std::isfinite(amount)) return kNotFiniteText;
    std::wstring text = FixedText(amount, 2);
    if (!groupDigits) return text;
    return GroupedOrPlain(grouping.Group(text, kLocaleDecimals), text);
}

std::wstring ConvertedAmountText(std::wstring_view amountText, std::wstring_view rateText, bool groupDigits,
                                 const NumberGrouping& grouping) {
    const double amount = ReadTypedNumber(amountText.substr(0, kMoneyFieldReadChars), grouping);
    const double rate = ReadTypedNumber(rateText.substr(0, kMoneyFieldReadChars), grouping);
    return MoneyAmountText(rate * amount, groupDigits, grouping);
}

}  // namespace tv
