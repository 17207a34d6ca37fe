// Results as shown: FormatDisplayNumber over any double, decimals setting and locale, and the locale grouping
// itself over any plain number text. What is shown must read back as the value, to within the decimals it shows.
#include "fuzz.h"

namespace {

void CheckDisplay(double value, unsigned deciSize, bool groupDigits, const fuzz::Locale& locale) {
    const fuzz::Grouping grouping(locale.format, false);
    const std::wstring shown = tv::FormatDisplayNumber(value, deciSize, groupDigits, grouping);
    FUZZ_CHECK(std::isfinite(value) || shown == tv::kNotFiniteText);
    if (!std::isfinite(value) || (groupDigits && !locale.readable)) return;
    // A grouped number the locale cannot show is shown as the plain one.
    const bool plain = !groupDigits || shown == tv::FormatDisplayNumber(value, deciSize, false, grouping);
    const std::optional<fuzz::ReadBack> read = fuzz::ReadShown(shown, plain ? fuzz::PlainFormat() : locale.format);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(deciSize == 0 ? read->decimals <= 14 : read->decimals == (deciSize > 4 ? 4 : 2 * deciSize));
    FUZZ_CHECK(fuzz::Near(read->value, value, read->decimals));
}

// The locale's grouping of a plain text, as long texts are grouped.
void CheckGrouping(const std::wstring& plain, const fuzz::Locale& locale) {
    const std::wstring grouped = tv::ApplyNumberFormat(plain, locale.format);
    const std::wstring_view digits = std::wstring_view(plain).substr(plain.starts_with(L'-'));
    const bool isPlain = !digits.empty() && digits != L"." && std::ranges::count(digits, L'.') <= 1 &&
                         digits.find_first_not_of(L"0123456789.") == std::wstring_view::npos;
    FUZZ_CHECK(isPlain || grouped.empty());
    // Only a number that shows no digit at all is refused.
    FUZZ_CHECK(!isPlain || !grouped.empty() || (!locale.format.leadingZero && locale.format.decimals == 0));
    if (!isPlain || grouped.empty() || !locale.readable) return;
    const std::optional<fuzz::ReadBack> read = fuzz::ReadShown(grouped, locale.format);
    FUZZ_CHECK(read.has_value() && read->decimals == locale.format.decimals);
    const double value = std::strtod(std::string(plain.begin(), plain.end()).c_str(), nullptr);
    FUZZ_CHECK(!std::isfinite(value) || !std::isfinite(read->value) || fuzz::Near(read->value, value, read->decimals));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const fuzz::Locale locale = fuzz::LocaleFrom(in);
    const unsigned deciSize = in.ConsumeIntegralInRange(0u, 6u);
    const bool groupDigits = in.ConsumeBool();
    const uint64_t bits = in.ConsumeIntegral<uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    CheckDisplay(value, deciSize, groupDigits, locale);
    CheckDisplay(in.ConsumeFloatingPoint<double>(), deciSize, groupDigits, locale);
    CheckGrouping(fuzz::WideText(in.ConsumeRemainingBytesAsString()), locale);
    return 0;
}
