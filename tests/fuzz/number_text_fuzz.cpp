// Typed numbers: ParseNumberText over any text finds a number, and reads the shortest text of that number
// back as the same number, sign and all; read in a locale's form (French: comma, narrow no-break space) any
// text gives a number too.
#include <charconv>

#include "fuzz.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    const double value = tv::ParseNumberText(WideText(bytes));
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(!std::isnan(tv::ReadTypedNumber(WideText(bytes), {.decimalSep = L",", .thousandSep = L"\u202F"})));
    if (std::isinf(value)) return;
    char shortest[32];
    const std::string text(shortest, std::to_chars(shortest, shortest + sizeof shortest, value).ptr);
    const double again = tv::ParseNumberText(std::wstring(text.begin(), text.end()));
    FUZZ_CHECK(again == value && std::signbit(again) == std::signbit(value));
}
