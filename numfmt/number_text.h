// Reading typed numbers and rendering results: decimal places from the
// Options dialog, digit grouping from the user's locale.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace tv {

// Space and the control characters from tab to carriage return: what the
// readers of typed numbers skip.
template <typename Char>
constexpr bool IsBlank(Char c) {
    return c == Char(' ') || (c >= Char('\t') && c <= Char('\r'));
}

// A number format as the system's number formatting takes it.
struct NumberFormat {
    unsigned decimals = 2;
    bool leadingZero = true;
    unsigned grouping = 3;  // 3 repeats 3; 32 is 3 then 2 repeated; 30 is 3 once
    std::wstring decimalSep = L".";
    std::wstring thousandSep = L",";
    unsigned negativeOrder = 1;  // 0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 -
};

// The locale's digit grouping, read afresh on every call. The program's reads
// the user's locale through the system; tests supply their own formats.
class NumberGrouping {
public:
    virtual ~NumberGrouping() = default;
    // The locale's decimal separator.
    virtual std::wstring DecimalSeparator() const = 0;
    // The locale's number format, with its own decimals.
    virtual NumberFormat Format() const = 0;
    // `plain` (optional leading '-', digits, at most one '.') in the locale's
    // number format with `decimals` decimals (kLocaleDecimals: the locale's
    // own number); empty when the text is refused.
    virtual std::wstring Group(std::wstring_view plain, int decimals) const = 0;
};

inline constexpr int kLocaleDecimals = -1;

// `plain` (optional leading '-', digits, at most one '.') in `format`,
// rounded half up to its decimals; empty when the text is not a plain number.
// The same result as the system's number formatting, for input of any length.
std::wstring ApplyNumberFormat(std::wstring_view plain, const NumberFormat& format);

// What a value that is not finite shows, grouped or not.
inline constexpr const wchar_t* kNotFiniteText = L"Overflow";

// Field text to a number the way atof reads it: leading blanks, a sign,
// digits with '.' as the decimal point and an exponent; reading stops at the
// first other character and text with no leading number gives 0. At most 63
// characters are read. Data files are read so.
double ParseNumberText(std::wstring_view text);

// What a user typed, or pasted from a result, read as `locale` writes
// numbers where the text plainly does so, else as ParseNumberText:
// - a text with the locale's decimal separator (not '.') in it: its
//   thousands separators before that are skipped, and it is the point;
// - a text whose integer digits are grouped by the locale's thousands
//   separator (not '.') as the locale groups them: the separators skipped;
// where the locale's separator is a space, a no-break or narrow no-break
// space is one too.
double ReadTypedNumber(std::wstring_view text, const NumberFormat& locale);
inline double ReadTypedNumber(std::wstring_view text, const NumberGrouping& locale) {
    return ReadTypedNumber(text, locale.Format());
}

// `value` with exactly `decimals` decimals, rounded to nearest, every integer
// digit written (never an exponent).
std::wstring FixedText(double value, int decimals);

// `grouped`, unless the locale refused the text (empty) or shows no digit of
// it (a value below the last decimal, in a locale without a leading zero, is
// its separator or its sign alone): then `plain`.
std::wstring GroupedOrPlain(std::wstring grouped, std::wstring plain);

// Removes the whole trailing run of c.
void TrimTrailingChar(std::wstring& text, wchar_t c);

// The display text of a result: deciSize 0 shows up to 14 decimals with
// trailing zeros removed (a value not zero but too small for them in
// exponent form), 1 to 4 show 2, 4, 6 or 8 decimals (a larger, damaged
// setting shows 4); groupDigits applies the locale's grouping.
std::wstring FormatDisplayNumber(double value, unsigned deciSize, bool groupDigits,
                                 const NumberGrouping& grouping);

// The shortest text that reads back as `value`: plain from 10^-6 up to
// 10^15, in exponent form ("1.602176634e-19") outside; with `grouping`, a
// plain one in the locale's format.
std::wstring ShortestNumberText(double value, const NumberGrouping* grouping = nullptr);

// The grouping field of a number format from the locale's grouping text:
// "3;0" gives 3, "3;2;0" gives 32, "3" (group once) gives 30.
unsigned GroupingFromLocaleText(std::wstring_view text);

// The grouping field from a C library locale's grouping bytes, nearest group
// first: {3} gives 3 (the last size repeats), {3, 2} gives 32, {3, CHAR_MAX}
// gives 30 (group once). No sizes, or a first size of CHAR_MAX, gives 0: no
// grouping.
unsigned GroupingFromCLocale(std::string_view grouping);

// A grouping by one fixed number format, for platforms whose locale is read
// once into a NumberFormat. kLocaleDecimals takes the format's own decimals.
class FormatNumberGrouping final : public NumberGrouping {
public:
    explicit FormatNumberGrouping(NumberFormat format) : format_(std::move(format)) {}
    std::wstring DecimalSeparator() const override { return format_.decimalSep; }
    NumberFormat Format() const override { return format_; }
    std::wstring Group(std::wstring_view plain, int decimals) const override;

private:
    NumberFormat format_;
};

}  // namespace tv
