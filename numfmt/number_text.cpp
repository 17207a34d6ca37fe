#include "numfmt/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/ansi_code_page.h"

namespace tv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
        // Read here, capped: an exponent beyond a long must still say which
        // way the number left the range, and must not overflow the sum.
        const bool negative = p[1] == '-';
        long exponent = 0;
        for (p += 1 + (p[1] == '+' || p[1] == '-'); p < last && IsDigit(*p); ++p) {
            exponent = std::min(exponent * 10 + (*p - '0'), 100000L);
        }
        magnitude += negative ? -exponent : exponent;
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

namespace {

bool IsDigitW(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A space, a no-break space and a narrow no-break space separate groups alike.
bool IsSpaceLike(wchar_t c) { return c == L' ' || c == L'\u00A0' || c == L'\u202F'; }

// The length of the thousands separator `sep` at text[at], or 0.
size_t SeparatorAt(std::wstring_view text, size_t at, const std::wstring& sep) {
    if (sep.empty() || at >= text.size()) return 0;
    if (sep.size() == 1 && IsSpaceLike(sep[0])) return IsSpaceLike(text[at]) ? 1 : 0;
    return text.substr(at, sep.size()) == sep ? sep.size() : 0;
}

// The size of group `g` counted from the point (0 nearest), 0 for none.
size_t GroupSize(unsigned grouping, size_t g) {
    std::wstring sizes = std::to_wstring(grouping);
    const bool once = sizes.size() > 1 && sizes.back() == L'0';
    if (once) sizes.pop_back();
    if (g < sizes.size()) return static_cast<size_t>(sizes[g] - L'0');
    return once ? 0 : static_cast<size_t>(sizes.back() - L'0');
}

}  // namespace

double ReadTypedNumber(std::wstring_view text, const NumberFormat& f) {
    text = text.substr(0, 63);
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    if (start < text.size() && (text[start] == L'+' || text[start] == L'-')) ++start;
    // The integer digits from `start`, skipping thousands separators; where
    // the digits end, and the size of each group, leftmost first.
    std::wstring digits;
    std::vector<size_t> groups{0};
    size_t at = start;
    while (at < text.size()) {
        if (IsDigitW(text[at])) {
            digits += text[at++];
            ++groups.back();
        } else if (const size_t n = SeparatorAt(text, at, f.thousandSep); n && groups.back() > 0) {
            groups.push_back(0);
            at += n;
        } else {
            break;
        }
    }
    const std::wstring head(text.substr(0, start));
    // The locale's decimal separator right after the digits: the locale's form.
    if (!f.decimalSep.empty() && f.decimalSep != L"." && text.substr(at, f.decimalSep.size()) == f.decimalSep &&
        (groups.back() > 0 || groups.size() == 1)) {
        return ParseNumberText(head + digits + L'.' + std::wstring(text.substr(at + f.decimalSep.size())));
    }
    // Digits grouped as the locale groups them, '.' the point.
    bool grouped = groups.size() > 1 && f.thousandSep != L".";
    for (size_t g = 0; grouped && g < groups.size(); ++g) {
        const size_t size = GroupSize(f.grouping, g), have = groups[groups.size() - 1 - g];
        grouped = size > 0 && have > 0 && (g + 1 == groups.size() ? have <= size : have == size);
    }
    if (grouped) return ParseNumberText(head + digits + std::wstring(text.substr(at)));
    return ParseNumberText(text);
}

std::wstring FixedText(double value, int decimals) {
    char buffer[400];  // the largest double has 309 integer digits
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) return std::wstring();
    return std::wstring(buffer, end);
}

// The shortest digits that read back to `value`, in exponent form with a
// capital E ("1.602176634E-19"), the point shown as `separator`.
static std::wstring ExponentText(double value, const std::wstring& separator) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::wstring text;
    for (const char* p = buffer; ec == std::errc() && p < end; ++p) {
        if (*p == '.') text += separator.empty() ? L"." : separator;
        else text += *p == 'e' ? L'E' : static_cast<wchar_t>(*p);
    }
    return text;
}

std::wstring ShortestNumberText(double value, const NumberGrouping* grouping) {
    if (!std::isfinite(value)) return kNotFiniteText;
    if (value == 0) return L"0";  // and -0
    const double size = std::fabs(value);
    const bool plain = size >= 1e-6 && size < 1e15;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         plain ? std::chars_format::fixed : std::chars_format::scientific);
    if (ec != std::errc()) return std::wstring();
    std::wstring text(buffer, end);
    if (!plain || !grouping) return text;
    const size_t point = text.find(L'.');
    const int decimals = point == std::wstring::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return GroupedOrPlain(grouping->Group(text, decimals), text);
}

std::wstring GroupedOrPlain(std::wstring grouped, std::wstring plain) {
    return grouped.find_first_of(L"0123456789") == std::wstring::npos ? plain : grouped;
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
        return GroupedOrPlain(grouping.Group(raw, decimals), raw);
    }

    std::wstring raw = FixedText(value, 14);
    TrimTrailingChar(raw, L'0');  // the point stays: 1000 shows as "1000."
    // A value below the 14th decimal is not shown as zero.
    if (value != 0 && raw.find_first_of(L"123456789") == std::wstring::npos)
        return ExponentText(value, groupDigits ? grouping.DecimalSeparator() : L".");
    if (!groupDigits) return raw;

    const size_t point = raw.find(L'.');
    const std::wstring whole = raw.substr(0, point);
    const std::wstring fraction = raw.substr(point + 1);
    double integral = 0.0;
    if (std::modf(value, &integral) == 0.0) {
        // Integral values show the grouping's eight zero decimals.
        return GroupedOrPlain(grouping.Group(whole, 8), raw);
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
    return GroupedOrPlain(grouped.substr(0, digits) + fraction + grouped.substr(after), raw);
}

std::wstring ApplyNumberFormat(std::wstring_view plain, const NumberFormat& f) {
    const bool negative = !plain.empty() && plain[0] == L'-';
    if (negative) plain.remove_prefix(1);
    const size_t point = plain.find(L'.');
    std::wstring whole(plain.substr(0, point));
    std::wstring fraction(point == std::wstring_view::npos ? L"" : plain.substr(point + 1));
    if (whole.empty() && fraction.empty()) return std::wstring();
    for (const std::wstring* part : {&whole, &fraction}) {
        for (wchar_t c : *part) {
            if (c < L'0' || c > L'9') return std::wstring();
        }
    }

    // Round half up on the decimal digits, carrying into the whole part.
    const bool roundUp = fraction.size() > f.decimals && fraction[f.decimals] >= L'5';
    fraction.resize(f.decimals, L'0');
    if (roundUp) {
        std::wstring digits = whole + fraction;
        size_t i = digits.size();
        while (i > 0 && digits[i - 1] == L'9') digits[--i] = L'0';
        if (i == 0) digits.insert(digits.begin(), L'1');
        else ++digits[i - 1];
        whole = digits.substr(0, digits.size() - f.decimals);
        fraction = digits.substr(digits.size() - f.decimals);
    }
    whole.erase(0, std::min(whole.find_first_not_of(L'0'), whole.size()));

    // Group sizes from the decimal point leftwards; the last repeats unless
    // the grouping ends in 0.
    std::wstring sizes = std::to_wstring(f.grouping);
    bool repeat = true;
    if (sizes.size() > 1 && sizes.back() == L'0') {
        sizes.pop_back();
        repeat = false;
    }
    std::wstring number;
    size_t end = whole.size();
    for (size_t g = 0; end > 0; ++g) {
        const size_t size = g < sizes.size() ? sizes[g] - L'0' : (repeat ? sizes.back() - L'0' : 0);
        if (size == 0 || size >= end) {
            number.insert(0, whole, 0, end);
            break;
        }
        number.insert(0, f.thousandSep + whole.substr(end - size, size));
        end -= size;
    }
    if (number.empty() && f.leadingZero) number = L"0";
    if (f.decimals > 0) number += f.decimalSep + fraction;
    // No digit to show: refused, with or without a sign, never a bare sign or brackets.
    if (!negative || number.empty()) return number;
    switch (f.negativeOrder) {
        case 0: return L"(" + number + L")";
        case 2: return L"- " + number;
        case 3: return number + L"-";
        case 4: return number + L" -";
        default: return L"-" + number;
    }
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

unsigned GroupingFromCLocale(std::string_view grouping) {
    unsigned result = 0;
    int parts = 0;
    for (char c : grouping) {
        const int size = static_cast<unsigned char>(c);
        // 0 repeats the size before it, as the end of the bytes does.
        if (size == 0) break;
        // CHAR_MAX (or any size a format cannot hold) ends the grouping there.
        if (size > 9) return result * 10;
        // The format holds five sizes at most; the fifth then repeats.
        if (parts == 5) break;
        result = result * 10 + static_cast<unsigned>(size);
        ++parts;
    }
    return result;
}

std::wstring FormatNumberGrouping::Group(std::wstring_view plain, int decimals) const {
    NumberFormat f = format_;
    if (decimals != kLocaleDecimals) f.decimals = static_cast<unsigned>(decimals < 0 ? 0 : decimals);
    return ApplyNumberFormat(plain, f);
}

}  // namespace tv
