// Whole numbers in decimal, hexadecimal, octal and binary, held in 64 bits:
// reading the typed input, writing each base and grouping its digits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "numfmt/number_text.h"
#include "tools/calculator_common.h"

namespace tv {

enum class NumberBase { kBinary = 2, kOctal = 8, kDecimal = 10, kHexadecimal = 16 };

enum class BaseParseStatus {
    kOk,
    kEmptyInput,  // nothing but blanks in decimal, hexadecimal or octal
    kTooLarge,    // the number needs more than 64 bits
};

struct BaseValue {
    BaseParseStatus status;
    uint64_t value;  // only with kOk
};

// The typed input in `base`. Decimal: blanks, a sign and digits, the rest
// ignored; 0 to 18446744073709551615 read unsigned, -9223372036854775808 to
// -1 as their two's complement. Hexadecimal (an optional 0x) and octal:
// blanks and digits, the rest ignored. Text that does not start with a number
// reads 0. Binary: every character is a digit, 0-9 their value and anything
// else 0, so "12" reads 4 and empty text reads 0.
BaseValue ParseInBase(std::wstring_view text, NumberBase base);

// `value` without leading zeros, hexadecimal in capitals; binary is written
// four digits per hexadecimal digit, so it keeps the first group's zeros.
std::wstring FormatInBase(uint64_t value, NumberBase base);

// Decimal takes the locale's grouping; the other bases get a blank before
// every group of 4 (binary, hexadecimal) or 3 (octal) counted from the right.
std::wstring GroupBaseDigits(std::wstring_view text, NumberBase base, const NumberGrouping& grouping);

inline constexpr int kBaseOutputCount = 3;

// What choosing an input base sets in the dialog, in radio button order.
struct BaseLayout {
    NumberBase input;
    int inputLimit;          // characters of the longest 64-bit value
    int keypadDigits;        // keypad keys 0 to keypadDigits - 1 enabled
    bool keypadLetters;      // A to F enabled
    NumberBase outputs[kBaseOutputCount];
    ResourceString outputLabels[kBaseOutputCount];
};

inline constexpr int kBaseCount = 4;
extern const BaseLayout kBaseLayouts[kBaseCount];

// The layout of `base`; the decimal one for a value that is not a base.
const BaseLayout& BaseLayoutFor(NumberBase base);

inline constexpr ResourceString kDecimalName{5, L"Decimal"};
inline constexpr ResourceString kHexadecimalName{6, L"Hexadecimal"};
inline constexpr ResourceString kOctalName{7, L"Octal"};
inline constexpr ResourceString kBinaryName{8, L"Binary"};
// Each Copy item of the Edit menu is this followed by its output's label.
inline constexpr ResourceString kCopyItemPrefix{10, L"Copy "};

struct BaseConversion {
    BaseParseStatus status;
    std::array<std::wstring, kBaseOutputCount> outputs;  // only with kOk
};

// The Convert command: the input read in `inputBase`, written in the three
// output bases of its layout, grouped when groupDigits is set. Any status
// but kOk leaves the outputs as they were and shows kTooLargeMessage.
BaseConversion ConvertBaseInput(std::wstring_view input, NumberBase inputBase, bool groupDigits,
                                const NumberGrouping& grouping);

}  // namespace tv
