// Results as shown: FormatDisplayNumber over any double, any decimals
// setting and any locale grouping, and the locale grouping itself over any
// plain number text. What is shown must read back as the value, to within
// the decimals it shows.
#include <cstring>

#include "grouping_support.h"

namespace {

void CheckDisplay(double value, unsigned deciSize, bool groupDigits, const fuzz::Locale& locale) {
    const fuzz::Grouping grouping(locale.format, false);
    const std::wstring shown = tv::FormatDisplayNumber(value, deciSize, groupDigits, grouping);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(shown == tv::kNotFiniteText);
        return;
    }
    if (groupDigits && !locale.readable) return;
    // A grouped number the locale cannot show is shown as the plain one.
    const bool plain = !groupDigits || shown == tv::FormatDisplayNumber(value, deciSize, false, grouping);
    const std::optional<fuzz::ReadBack> read = fuzz::ReadShown(shown, plain ? fuzz::PlainFormat() : locale.format);
    if (!read) std::fprintf(stderr, "shown as \"%s\" (decimal \"%s\", thousands \"%s\")\n",
                            fuzz::Printable(shown).c_str(), fuzz::Printable(locale.format.decimalSep).c_str(),
                            fuzz::Printable(locale.format.thousandSep).c_str());
    FUZZ_CHECK(read.has_value());
    if (deciSize >= 1 && deciSize <= 4) FUZZ_CHECK(read->decimals == 2 * deciSize);
    if (deciSize > 4) FUZZ_CHECK(read->decimals == 4);
    if (deciSize == 0) FUZZ_CHECK(read->decimals <= 14);
    if (!fuzz::Near(read->value, value, read->decimals)) {
        std::fprintf(stderr, "%.17g shown as \"%s\" reads back %.17g\n", value, fuzz::Printable(shown).c_str(),
                     read->value);
        FUZZ_CHECK(!"the shown number reads back as the value");
    }
}

// The locale's grouping of a plain text, as long texts are grouped.
void CheckGrouping(const std::wstring& plain, const fuzz::Locale& locale) {
    const std::wstring grouped = tv::ApplyNumberFormat(plain, locale.format);
    bool isPlain = !plain.empty();
    size_t points = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        const wchar_t c = plain[i];
        if (c == L'.') ++points;
        else if (!(c >= L'0' && c <= L'9') && !(c == L'-' && i == 0)) isPlain = false;
    }
    const std::wstring_view digits = std::wstring_view(plain).substr(plain.starts_with(L'-'));
    if (digits.empty() || digits == L"." || points > 1) isPlain = false;
    if (!isPlain) {
        FUZZ_CHECK(grouped.empty());
        return;
    }
    if (grouped.empty()) {
        // Only a number that shows no digit at all is refused.
        FUZZ_CHECK(!locale.format.leadingZero && locale.format.decimals == 0);
        return;
    }
    if (!locale.readable) return;
    const std::optional<fuzz::ReadBack> read = fuzz::ReadShown(grouped, locale.format);
    if (!read || read->decimals != locale.format.decimals) {
        std::fprintf(stderr, "\"%s\" grouped as \"%s\" (decimal \"%s\", thousands \"%s\", %u decimals)\n",
                     fuzz::Printable(plain).c_str(), fuzz::Printable(grouped).c_str(),
                     fuzz::Printable(locale.format.decimalSep).c_str(),
                     fuzz::Printable(locale.format.thousandSep).c_str(), locale.format.decimals);
    }
    FUZZ_CHECK(read.has_value() && read->decimals == locale.format.decimals);
    const std::string narrow(plain.begin(), plain.end());
    const double value = std::strtod(narrow.c_str(), nullptr);
    if (std::isfinite(value) && std::isfinite(read->value)) FUZZ_CHECK(fuzz::Near(read->value, value, read->decimals));
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
