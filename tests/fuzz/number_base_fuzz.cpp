// The number-base tool's input in each base, against 128-bit arithmetic; what it writes must read back as the value.
#include "fuzz.h"
#include "tools/number_base.h"

namespace {

using tv::BaseParseStatus;
using tv::NumberBase;

int Digit(wchar_t c, int base) {
    const int d = c >= L'0' && c <= L'9'                     ? c - L'0'
                  : (c | 0x20) >= L'a' && (c | 0x20) <= L'f' ? (c | 0x20) - L'a' + 10
                                                             : 99;
    return d < base ? d : -1;
}

tv::BaseValue Expected(std::wstring_view text, NumberBase base) {
    constexpr unsigned __int128 kMax = ~uint64_t{0};
    unsigned __int128 value = 0;
    const tv::BaseValue tooLarge{BaseParseStatus::kTooLarge, 0};
    if (base == NumberBase::kBinary) {
        for (wchar_t c : text) {
            if (static_cast<uint32_t>(c) > 0xFFFF) value *= 2;  // two units, the first worth 0
            value = value > kMax ? value : value * 2 + (c >= L'0' && c <= L'9' ? c - L'0' : 0);
            if (value > kMax) return tooLarge;
        }
        return {BaseParseStatus::kOk, static_cast<uint64_t>(value)};
    }
    size_t i = 0;
    while (i < text.size() && tv::IsBlank(text[i])) ++i;
    if (i == text.size()) return {BaseParseStatus::kEmptyInput, 0};
    const int radix = static_cast<int>(base);
    const bool negative = radix == 10 && (text[i] == L'-' || text[i] == L'+') && text[i++] == L'-';
    if (radix == 16 && i + 2 < text.size() && text[i] == L'0' && (text[i + 1] | 0x20) == L'x' &&
        Digit(text[i + 2], 16) >= 0) {
        i += 2;
    }
    for (; i < text.size() && Digit(text[i], radix) >= 0; ++i) {
        if ((value = value * radix + Digit(text[i], radix)) > kMax) return tooLarge;
    }
    if (negative && value > (static_cast<unsigned __int128>(1) << 63)) return tooLarge;
    return {BaseParseStatus::kOk, negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value)};
}

std::wstring Without(std::wstring text, std::wstring_view separator) {
    for (size_t at; !separator.empty() && (at = text.find(separator)) != std::wstring::npos;)
        text.erase(at, separator.size());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const fuzz::Locale locale = fuzz::LocaleFrom(in);
    const bool groupDigits = in.ConsumeBool();
    const std::wstring text = fuzz::WideText(in.ConsumeRemainingBytesAsString());
    const fuzz::Grouping grouping(locale.format, false);
    for (const NumberBase base :
         {NumberBase::kBinary, NumberBase::kOctal, NumberBase::kDecimal, NumberBase::kHexadecimal}) {
        const tv::BaseValue read = tv::ParseInBase(text, base), expected = Expected(text, base);
        FUZZ_CHECK(read.status == expected.status);
        if (read.status != BaseParseStatus::kOk) continue;
        FUZZ_CHECK(read.value == expected.value);
        // Every base writes the value so that it reads back, grouped or not.
        const tv::BaseConversion conversion = tv::ConvertBaseInput(text, base, groupDigits, grouping);
        FUZZ_CHECK(conversion.status == BaseParseStatus::kOk);
        for (int k = 0; k < tv::kBaseOutputCount; ++k) {
            const NumberBase out = tv::BaseLayoutFor(base).outputs[k];
            const bool decimal = groupDigits && out == NumberBase::kDecimal;
            if (decimal && !locale.readable) continue;
            const std::wstring& written = conversion.outputs[static_cast<size_t>(k)];
            const std::wstring shown = !groupDigits ? written
                                       : !decimal
                                           ? Without(written, L" ")
                                           : Without(written, grouping.refused ? L"" : locale.format.thousandSep);
            FUZZ_CHECK(shown == tv::FormatInBase(read.value, out));
            FUZZ_CHECK(static_cast<int>(shown.size()) <= tv::BaseLayoutFor(out).inputLimit);
            const tv::BaseValue again = tv::ParseInBase(shown, out);
            FUZZ_CHECK(again.status == BaseParseStatus::kOk && again.value == read.value);
        }
    }
    return 0;
}
