// Typed numbers: ParseNumberText against the C library's reading of the decimal number it should find at the
// text's start, by atof's rules: the first 63 characters, non-ASCII as '?', blanks, a sign, then the longest
// decimal number (no infinity, NaN or hexadecimal).
#include <regex>

#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = fuzz::WideText(fuzz::Bytes(data, size));
    std::string narrow;
    for (wchar_t c : text.substr(0, 63)) narrow += (c >= 0 && c < 0x80) ? static_cast<char>(c) : '?';
    size_t at = 0;
    while (at < narrow.size() && tv::IsBlank(narrow[at])) ++at;
    static const std::regex kNumber("([-+]?)([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?");
    std::smatch number;
    const bool found = std::regex_search(narrow.cbegin() + static_cast<long>(at), narrow.cend(), number, kNumber,
                                         std::regex_constants::match_continuous);
    const double magnitude = found ? std::strtod((number.str(2) + number.str(3)).c_str(), nullptr) : 0.0;
    const double expected = found && number.str(1) == "-" ? -magnitude : magnitude;
    const double value = tv::ParseNumberText(text);
    FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected));
    return 0;
}
