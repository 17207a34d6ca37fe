// The number-base tool's input in each base, against 128-bit arithmetic;
// what it writes must read back as the same value.
#include <fuzzer/FuzzedDataProvider.h>

#include "grouping_support.h"
#include "tools/number_base.h"

namespace {

using tv::BaseParseStatus;
using tv::NumberBase;
constexpr unsigned __int128 kMax = ~uint64_t{0};

int Digit(wchar_t c, int base) {
    int d = 99;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    if (c >= L'a' && c <= L'f') d = c - L'a' + 10;
    if (c >= L'A' && c <= L'F') d = c - L'A' + 10;
    return d < base ? d : -1;
}

tv::BaseValue Expected(std::wstring_view text, NumberBase base) {
    unsigned __int128 value = 0;
    if (base == NumberBase::kBinary) {
        for (wchar_t c : text) {
            const bool wide = static_cast<uint32_t>(c) > 0xFFFF;  // two units, the first worth 0
            if (wide) value *= 2;
            if (value > kMax) return {BaseParseStatus::kTooLarge, 0};
            value = value * 2 + (c >= L'0' && c <= L'9' ? c - L'0' : 0);
            if (value > kMax) return {BaseParseStatus::kTooLarge, 0};
        }
        return {BaseParseStatus::kOk, static_cast<uint64_t>(value)};
    }
    size_t i = 0;
    while (i < text.size() && tv::IsBlank(text[i])) ++i;
    if (i == text.size()) return {BaseParseStatus::kEmptyInput, 0};
    bool negative = false;
    const int radix = static_cast<int>(base);
    if (radix == 10 && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    if (radix == 16 && i + 2 < text.size() && text[i] == L'0' && (text[i + 1] | 0x20) == L'x' &&
        Digit(text[i + 2], 16) >= 0) {
        i += 2;
    }
    for (; i < text.size() && Digit(text[i], radix) >= 0; ++i) {
        value = value * radix + Digit(text[i], radix);
        if (value > kMax) return {BaseParseStatus::kTooLarge, 0};
    }
    if (negative) {
        if (value > (static_cast<unsigned __int128>(1) << 63)) return {BaseParseStatus::kTooLarge, 0};
        return {BaseParseStatus::kOk, static_cast<uint64_t>(0 - static_cast<uint64_t>(value))};
    }
    return {BaseParseStatus::kOk, static_cast<uint64_t>(value)};
}

std::wstring Without(std::wstring text, std::wstring_view separator) {
    if (separator.empty()) return text;
    for (size_t at; (at = text.find(separator)) != std::wstring::npos;) text.erase(at, separator.size());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const fuzz::Locale locale = fuzz::LocaleFrom(in);
    const bool groupDigits = in.ConsumeBool();
    const std::wstring text = fuzz::WideText(in.ConsumeRemainingBytesAsString());
    const fuzz::Grouping grouping(locale.format, false);
    for (const NumberBase base : {NumberBase::kBinary, NumberBase::kOctal, NumberBase::kDecimal, NumberBase::kHexadecimal}) {
        const tv::BaseValue read = tv::ParseInBase(text, base);
        const tv::BaseValue expected = Expected(text, base);
        FUZZ_CHECK(read.status == expected.status);
        if (read.status != BaseParseStatus::kOk) continue;
        FUZZ_CHECK(read.value == expected.value);

        // Every base writes the value so that it reads back, grouped or not.
        const tv::BaseConversion conversion = tv::ConvertBaseInput(text, base, groupDigits, grouping);
        FUZZ_CHECK(conversion.status == BaseParseStatus::kOk);
        const tv::BaseLayout& layout = tv::BaseLayoutFor(base);
        for (int k = 0; k < tv::kBaseOutputCount; ++k) {
            const NumberBase out = layout.outputs[k];
            std::wstring shown = conversion.outputs[static_cast<size_t>(k)];
            if (groupDigits && out == NumberBase::kDecimal) {
                if (!locale.readable) continue;
                if (!grouping.refused) shown = Without(shown, locale.format.thousandSep);
            } else if (groupDigits) {
                shown = Without(shown, L" ");
            }
            FUZZ_CHECK(shown == tv::FormatInBase(read.value, out));
            FUZZ_CHECK(static_cast<int>(shown.size()) <= tv::BaseLayoutFor(out).inputLimit);
            const tv::BaseValue again = tv::ParseInBase(shown, out);
            FUZZ_CHECK(again.status == BaseParseStatus::kOk && again.value == read.value);
        }
    }
    return 0;
}
