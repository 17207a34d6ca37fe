// Results as shown: FormatDisplayNumber over any double, decimals setting and locale. The plain text reads
// back as the value to within the decimals it shows, or exactly in exponent form; with set decimals
// grouping adds or drops no digit.
#include "fuzz.h"

void fuzz::Fuzz(std::string_view, FuzzedDataProvider& in) {
    const tv::NumberFormat locale = LocaleFrom(in);
    const tv::FormatNumberGrouping grouping(locale);
    const unsigned deciSize = in.ConsumeIntegralInRange(0u, 6u);
    const uint64_t bits = in.ConsumeIntegral<uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    for (const double v : {value, in.ConsumeFloatingPoint<double>()}) {
        const std::wstring grouped = tv::FormatDisplayNumber(v, deciSize, true, grouping);
        const std::wstring plain = tv::FormatDisplayNumber(v, deciSize, false, grouping);
        FUZZ_CHECK(std::isfinite(v) || (grouped == tv::kNotFiniteText && plain == grouped));
        if (!std::isfinite(v)) continue;
        // Too small for 14 decimals, and only then: the exponent form, read back exactly.
        if (plain.find(L'E') != plain.npos) {
            FUZZ_CHECK(deciSize == 0 && v != 0 && std::fabs(v) <= 5e-15 && tv::ParseNumberText(plain) == v);
            continue;
        }
        FUZZ_CHECK(deciSize == 0 ? Decimals(plain) <= 14 : Decimals(plain) == (deciSize > 4 ? 4 : 2 * deciSize));
        FUZZ_CHECK(ReadsBackAs(plain, v));
        const auto digits = [](const std::wstring& s) { return std::ranges::count_if(s, iswdigit); };
        FUZZ_CHECK(deciSize == 0 || !locale.leadingZero || digits(locale.decimalSep + locale.thousandSep) ||
                   digits(grouped) == digits(plain));
    }
    (void)tv::ApplyNumberFormat(WideText(in.ConsumeRemainingBytesAsString()), locale);
}
