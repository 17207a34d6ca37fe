// The money converters' stored code selections and typed amounts and rates (read in the locale's form): what a
// row shows ungrouped reads back as the amount to the cent.
#include "fuzz.h"
#include "money/euro_fixed_rates.h"
#include "money/money_amounts.h"

void fuzz::Fuzz(std::string_view, FuzzedDataProvider& in) {
    const tv::FormatNumberGrouping grouping(LocaleFrom(in));
    const std::wstring stored = WideText(in.ConsumeRandomLengthString(24));
    const std::wstring amount = WideText(in.ConsumeRandomLengthString(48));
    const std::wstring rate = WideText(in.ConsumeRandomLengthString(48));
    const std::wstring from = WideText(in.ConsumeRandomLengthString(4)),
                       to = WideText(in.ConsumeRemainingBytesAsString());
    FUZZ_CHECK(tv::JoinSelection(tv::SplitSelection(stored, L"USDCADHKDEURCNY")) ==
               (stored.size() >= 15 ? stored : L"USDCADHKDEURCNY").substr(0, 15));
    const auto read = [&](const std::wstring& text) {
        return tv::ReadTypedNumber(std::wstring_view(text).substr(0, tv::kMoneyFieldReadChars), grouping);
    };
    for (const bool group : {false, true}) {
        for (const auto& [shown, worth] :
             {std::pair(tv::ConvertedAmountText(amount, rate, group, grouping), read(amount) * read(rate)),
              std::pair(tv::EuroAmountText(amount, from, to, group, grouping),
                        tv::EuroConvert(read(amount), from, to))})
            FUZZ_CHECK(group || (std::isfinite(worth) ? Decimals(shown) == 2 && ReadsBackAs(shown, worth)
                                                      : shown == tv::kNotFiniteText));
    }
}
