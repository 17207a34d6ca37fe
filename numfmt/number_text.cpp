#include "numfmt/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// from_chars refuses values beyond the double range; atof gives infinity for
// a huge number and zero for a tiny one. The order of magnitude tells which.
double OutOfRange(const char* first, const char* last) {
    long magnitude = 0;
    const char* p = first;
    while (p < last && *p == '0') ++p;
    for (; p < last && IsDigit(*p); ++p) ++magnitude;
    if (magnitude == 0 && p < last && *p == '.') {
        for (++p; p < last && *p == '0'; ++p) --magnitude;
    }
    while (p < last && *p != 'e' && *p != 'E') ++p;
    if (p + 1 < last) {
        long exponent = 0;
        std::from_chars(p + 1 + (p[1] == '+'), last, exponent);
        magnitude += exponent;
    }
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

double ParseNumberText(std::wstring_view text) {
    const std::string ansi = NarrowToAnsi(text.substr(0, 63), 63);
    const char* p = ansi.data();
    const char* end = p + ansi.size();
    while (p < end && IsBlank(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // Only decimal digits start a number: no "inf", "nan" or hexadecimal.
    if (!(p < end && (IsDigit(*p) || (*p == '.' && p + 1 < end && IsDigit(p[1]))))) return 0.0;
    double value = 0.0;
    auto [stop, ec] = std::from_chars(p, end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) value = OutOfRange(p, stop);
    else if (ec != std::errc()) value = 0.0;
    return negative ? -value : value;
}

std::wstring FixedText(double value, int decimals) {
    char buffer[400];  // the largest double has 309 integer digits
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) return std::wstring();
    return std::wstring(buffer, end);
}

void TrimTrailingChar(std::wstring& text, wchar_t c) {
    const size_t keep = text.find_last_not_of(c);
    text.erase(keep == std::wstring::npos ? 0 : keep + 1);
}

std::wstring FormatDisplayNumber(double value, unsigned deciSize, bool groupDigits,
                                 const NumberGrouping& grouping) {
    if (!std::isfinite(value)) return kNotFiniteText;
    if (deciSize > 4) deciSize = 2;  // a damaged setting never becomes a precision

    if (deciSize != 0) {
        const int decimals = static_cast<int>(2 * deciSize);
        std::wstring raw = FixedText(value, decimals);
        if (!groupDigits) return raw;
        std::wstring grouped = grouping.Group(raw, decimals);
        return grouped.empty() ? raw : grouped;
    }

    std::wstring raw = FixedText(value, 14);
    TrimTrailingChar(raw, L'0');  // the point stays: 1000 shows as "1000."
    if (!groupDigits) return raw;

    const size_t point = raw.find(L'.');
    const std::wstring whole = raw.substr(0, point);
    const std::wstring fraction = raw.substr(point + 1);
    double integral = 0.0;
    if (std::modf(value, &integral) == 0.0) {
        // Integral values show the grouping's eight zero decimals.
        std::wstring grouped = grouping.Group(whole, 8);
        return grouped.empty() ? raw : grouped;
    }

    // Group with at most eight decimals that need no rounding, then put raw's
    // own decimals (up to 14) in place of the grouped ones. The locale decides
    // the separator and where a sign or bracket goes, before or after.
    std::wstring head = whole;
    if (!fraction.empty()) head += L'.' + fraction.substr(0, 8);
    const std::wstring grouped = grouping.Group(head, 8);
    const std::wstring separator = grouping.DecimalSeparator();
    const size_t at = separator.empty() ? std::wstring::npos : grouped.rfind(separator);
    if (at == std::wstring::npos) return raw;
    const size_t digits = at + separator.size();
    size_t after = digits;
    while (after < grouped.size() && grouped[after] >= L'0' && grouped[after] <= L'9') ++after;
    return grouped.substr(0, digits) + fraction + grouped.substr(after);
}

unsigned GroupingFromLocaleText(std::wstring_view text) {
    constexpr unsigned kUsual = 3;  // for text the system would never give
    unsigned grouping = 0;
    unsigned last = 0;
    int parts = 0;
    for (size_t i = 0; i <= text.size(); i += 2) {
        if (i == text.size() || text[i] < L'0' || text[i] > L'9') return kUsual;
        last = text[i] - L'0';
        if (++parts > 5) return kUsual;
        grouping = grouping * 10 + last;
        if (i + 1 == text.size()) break;
        if (text[i + 1] != L';') return kUsual;
    }
    // "…;0" repeats the size before it; without it the last size applies once.
    return last == 0 ? grouping / 10 : grouping * 10;
}

}  // namespace tv
