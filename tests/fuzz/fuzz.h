// The harness the fuzz targets share: a check that stops the run (libFuzzer
// counts the abort as a crash and keeps the input), data-file bytes as the
// readers see them, typed text and a locale's number format from bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "numfmt/number_text.h"
#include "reference/code_list.h"
#include "reference/data_text.h"

namespace fuzz {

#define FUZZ_CHECK(condition) \
    ((condition) ? void()     \
                 : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition), std::abort()))

// Each target is this one function of its input, as bytes and through a provider.
void Fuzz(std::string_view bytes, FuzzedDataProvider& in);

// A data file's text as the program reads it: its buffer always ends in two zero bytes.
inline std::optional<std::wstring> DataFileText(std::string_view bytes) {
    return tv::DecodeDataText(std::string(bytes) + std::string(2, '\0'));
}

// Typed text: each byte its Latin-1 character, except that FE takes the next
// three bytes (little-endian) as any code point, so ASCII seeds stay readable.
inline std::wstring WideText(std::string_view bytes) {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto at = [&](size_t k) { return i + k < bytes.size() ? static_cast<uint8_t>(bytes[i + k]) : 0u; };
        text += static_cast<wchar_t>(at(0) != 0xFE ? at(0) : (at(1) | at(2) << 8 | at(3) << 16) % 0x110000);
        if (at(0) == 0xFE) i += 3;
    }
    return text;
}

// Any locale number format, its separators now and then any text at all.
inline tv::NumberFormat LocaleFrom(FuzzedDataProvider& in) {
    static const wchar_t* const kSeparators[] = {L".", L",", L" ", L"\u00A0", L"'", L"\u066B", L"::", L""};
    tv::NumberFormat f;
    f.decimals = in.ConsumeIntegralInRange(0u, 9u);
    f.leadingZero = in.ConsumeBool();
    f.grouping = tv::GroupingFromLocaleText(WideText(in.ConsumeRandomLengthString(12)));
    f.negativeOrder = in.ConsumeIntegralInRange(0u, 5u);
    const bool any = in.ConsumeIntegralInRange(0, 7) == 0;
    f.decimalSep = any ? WideText(in.ConsumeRandomLengthString(4)) : in.PickValueInArray(kSeparators);
    f.thousandSep = any ? WideText(in.ConsumeRandomLengthString(4)) : in.PickValueInArray(kSeparators);
    return f;
}

// How many decimals the program's own plain text shows; and that it reads back
// as `value` to within half its last decimal.
inline size_t Decimals(const std::wstring& plain) {
    return plain.find(L'.') == plain.npos ? 0 : plain.size() - plain.find(L'.') - 1;
}
inline bool ReadsBackAs(const std::wstring& plain, double value) {
    const double half = 0.5 * std::pow(10.0, -static_cast<double>(Decimals(plain)));
    return std::fabs(std::wcstod(plain.c_str(), nullptr) - value) <=
           half * (1 + 1e-9) + std::ldexp(std::fabs(value), -50);
}

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::Fuzz({reinterpret_cast<const char*>(data), size}, in);
    return 0;
}
