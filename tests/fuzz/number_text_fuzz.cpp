// Typed numbers: ParseNumberText against the C library's reading of the
// decimal number it should find at the text's start.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "fuzz_support.h"
#include "numfmt/number_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number atof would read, by the same rules but through strtod: the
// first 63 characters, non-ASCII as '?', blanks, a sign, then the longest
// decimal number (no infinity, NaN or hexadecimal).
double Expected(std::wstring_view text) {
    std::string narrow;
    for (wchar_t c : text.substr(0, 63)) narrow += (c >= 0 && c < 0x80) ? static_cast<char>(c) : '?';
    size_t i = 0;
    while (i < narrow.size() && tv::IsBlank(narrow[i])) ++i;
    bool negative = false;
    if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) negative = narrow[i++] == '-';
    const size_t start = i;
    size_t digits = 0;
    while (i < narrow.size() && IsDigit(narrow[i])) ++i, ++digits;
    if (i < narrow.size() && narrow[i] == '.') {
        ++i;
        while (i < narrow.size() && IsDigit(narrow[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < narrow.size() && (narrow[i] == 'e' || narrow[i] == 'E')) {
        size_t k = i + 1;
        if (k < narrow.size() && (narrow[k] == '+' || narrow[k] == '-')) ++k;
        if (k < narrow.size() && IsDigit(narrow[k])) {
            while (k < narrow.size() && IsDigit(narrow[k])) ++k;
            i = k;
        }
    }
    const std::string number = narrow.substr(start, i - start);
    const double value = std::strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = fuzz::WideText(fuzz::Bytes(data, size));
    const double value = tv::ParseNumberText(text);
    const double expected = Expected(text);
    if (!(value == expected && std::signbit(value) == std::signbit(expected))) {
        std::fprintf(stderr, "read %.17g, expected %.17g\n", value, expected);
        FUZZ_CHECK(!"ParseNumberText reads the number atof reads");
    }
    return 0;
}
