// The money converters' stored code selections and typed amounts and rates.
#include "fuzz.h"
#include "money/euro_fixed_rates.h"
#include "money/money_amounts.h"

namespace {

// `shown` as the row shows `amount`; `plain` as it shows it ungrouped.
void CheckAmount(const std::wstring& shown, const std::wstring& plain, double amount, bool groupDigits,
                 const fuzz::Locale& locale) {
    FUZZ_CHECK(std::isfinite(amount) || shown == tv::kNotFiniteText);
    if (!std::isfinite(amount) || (groupDigits && !locale.readable)) return;
    const bool grouped = groupDigits && shown != plain;
    const std::optional<fuzz::ReadBack> read = fuzz::ReadShown(shown, grouped ? locale.format : fuzz::PlainFormat());
    FUZZ_CHECK(read.has_value() && read->decimals == (grouped ? locale.format.decimals : 2));
    // Grouped amounts are the two-decimal text rounded again to the locale's decimals.
    FUZZ_CHECK(fuzz::Near(read->value, amount, read->decimals, grouped ? 0.005 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const fuzz::Locale locale = fuzz::LocaleFrom(in);
    const bool groupDigits = in.ConsumeBool();
    const std::wstring stored = fuzz::WideText(in.ConsumeRandomLengthString(24));
    const std::wstring amountText = fuzz::WideText(in.ConsumeRandomLengthString(48));
    const std::wstring rateText = fuzz::WideText(in.ConsumeRandomLengthString(48));
    const std::wstring from = fuzz::WideText(in.ConsumeRandomLengthString(4));
    const std::wstring to = fuzz::WideText(in.ConsumeRemainingBytesAsString());

    const tv::CurrencySelection codes = tv::SplitSelection(stored, L"USDCADHKDEURCNY");
    for (const std::wstring& code : codes) FUZZ_CHECK(code.size() <= 3);
    FUZZ_CHECK(tv::JoinSelection(codes) == (stored.size() >= 15 ? stored : L"USDCADHKDEURCNY").substr(0, 15));

    const fuzz::Grouping grouping(locale.format, true);
    const double amount = tv::ParseNumberText(std::wstring_view(amountText).substr(0, tv::kMoneyFieldReadChars));
    const double rate = tv::ParseNumberText(std::wstring_view(rateText).substr(0, tv::kMoneyFieldReadChars));
    CheckAmount(tv::ConvertedAmountText(amountText, rateText, groupDigits, grouping),
                tv::ConvertedAmountText(amountText, rateText, false, grouping), amount * rate, groupDigits, locale);
    CheckAmount(tv::EuroAmountText(amountText, from, to, groupDigits, grouping),
                tv::EuroAmountText(amountText, from, to, false, grouping), tv::EuroConvert(amount, from, to),
                groupDigits, locale);
    return 0;
}
