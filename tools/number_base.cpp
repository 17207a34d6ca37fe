#include "tools/number_base.h"

#include <algorithm>
#include <limits>

#include "numfmt/number_text.h"

namespace tv {
namespace {

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();

// The binary digits of each hexadecimal digit, 0 to F.
const wchar_t* const kNibbles[16] = {
    L"0000", L"0001", L"0010", L"0011", L"0100", L"0101", L"0110", L"0111",
    L"1000", L"1001", L"1010", L"1011", L"1100", L"1101", L"1110", L"1111"};

const wchar_t kDigitChars[] = L"0123456789ABCDEF";


// The digit's value in `base`, or -1 when c is not one of its digits.
int DigitIn(wchar_t c, int base) {
    int d = -1;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    else if (c >= L'a' && c <= L'f') d = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F') d = c - L'A' + 10;
    return d < base ? d : -1;
}

// Reads the run of digits at `pos` into a magnitude; false when it needs
// more than 64 bits. Leading zeros are never significant.
bool ReadDigits(std::wstring_view text, size_t pos, int base, uint64_t& magnitude) {
    magnitude = 0;
    const uint64_t b = static_cast<uint64_t>(base);
    for (; pos < text.size(); ++pos) {
        const int d = DigitIn(text[pos], base);
        if (d < 0) break;
        if (magnitude > (kMax - static_cast<uint64_t>(d)) / b) return false;
        magnitude = magnitude * b + static_cast<uint64_t>(d);
    }
    return true;
}

// On the handheld a character beyond the basic plane is two UTF-16 units.
int Utf16Units(wchar_t c) { return (static_cast<uint32_t>(c) >> 16) != 0 ? 2 : 1; }

BaseValue ParseBinary(std::wstring_view text) {
    uint64_t value = 0;
    for (wchar_t c : text) {
        const uint64_t d = (c >= L'0' && c <= L'9') ? static_cast<uint64_t>(c - L'0') : 0;
        for (int unit = Utf16Units(c); unit > 0; --unit) {
            const uint64_t add = unit == 1 ? d : 0;
            if (value > (kMax - add) / 2) return {BaseParseStatus::kTooLarge, 0};
            value = value * 2 + add;
        }
    }
    return {BaseParseStatus::kOk, value};
}

}  // namespace

BaseValue ParseInBase(std::wstring_view text, NumberBase base) {
    if (base == NumberBase::kBinary) return ParseBinary(text);

    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos == text.size()) return {BaseParseStatus::kEmptyInput, 0};

    uint64_t magnitude = 0;
    if (base == NumberBase::kDecimal) {
        const bool negative = text[pos] == L'-';
        if (text[pos] == L'-' || text[pos] == L'+') ++pos;
        if (!ReadDigits(text, pos, 10, magnitude)) return {BaseParseStatus::kTooLarge, 0};
        if (!negative) return {BaseParseStatus::kOk, magnitude};
        constexpr uint64_t kLowest = uint64_t{1} << 63;  // -9223372036854775808
        if (magnitude > kLowest) return {BaseParseStatus::kTooLarge, 0};
        return {BaseParseStatus::kOk, ~magnitude + 1};  // two's complement
    }

    const int radix = base == NumberBase::kHexadecimal ? 16 : 8;
    if (radix == 16 && text.size() - pos > 2 && text[pos] == L'0' &&
        (text[pos + 1] == L'x' || text[pos + 1] == L'X') && DigitIn(text[pos + 2], 16) >= 0) {
        pos += 2;
    }
    if (!ReadDigits(text, pos, radix, magnitude)) return {BaseParseStatus::kTooLarge, 0};
    return {BaseParseStatus::kOk, magnitude};
}

std::wstring FormatInBase(uint64_t value, NumberBase base) {
    if (base == NumberBase::kBinary) {
        std::wstring bits;
        for (wchar_t c : FormatInBase(value, NumberBase::kHexadecimal)) bits += kNibbles[DigitIn(c, 16)];
        return bits;
    }
    const int radix = static_cast<int>(base);
    if (radix != 8 && radix != 10 && radix != 16) return std::wstring();
    std::wstring text;
    do {
        text += kDigitChars[value % static_cast<uint64_t>(radix)];
        value /= static_cast<uint64_t>(radix);
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

std::wstring GroupBaseDigits(std::wstring_view text, NumberBase base, const NumberGrouping& grouping) {
    if (base == NumberBase::kDecimal) {
        std::wstring grouped = grouping.Group(text, 0);
        // A locale that refuses the text leaves the digits as they are.
        return grouped.empty() ? std::wstring(text) : grouped;
    }
    size_t size = 0;
    if (base == NumberBase::kBinary || base == NumberBase::kHexadecimal) size = 4;
    if (base == NumberBase::kOctal) size = 3;
    if (size == 0) return std::wstring(text);
    std::wstring grouped;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && (text.size() - i) % size == 0) grouped += L' ';
        grouped += text[i];
    }
    return grouped;
}

const BaseLayout kBaseLayouts[kBaseCount] = {
    {NumberBase::kDecimal, 20, 10, false,
     {NumberBase::kHexadecimal, NumberBase::kOctal, NumberBase::kBinary},
     {kHexadecimalName, kOctalName, kBinaryName}},
    {NumberBase::kHexadecimal, 16, 10, true,
     {NumberBase::kDecimal, NumberBase::kOctal, NumberBase::kBinary},
     {kDecimalName, kOctalName, kBinaryName}},
    {NumberBase::kOctal, 22, 8, false,
     {NumberBase::kHexadecimal, NumberBase::kDecimal, NumberBase::kBinary},
     {kHexadecimalName, kDecimalName, kBinaryName}},
    {NumberBase::kBinary, 64, 2, false,
     {NumberBase::kHexadecimal, NumberBase::kOctal, NumberBase::kDecimal},
     {kHexadecimalName, kOctalName, kDecimalName}},
};

const BaseLayout& BaseLayoutFor(NumberBase base) {
    for (const BaseLayout& layout : kBaseLayouts) {
        if (layout.input == base) return layout;
    }
    return kBaseLayouts[0];
}

BaseConversion ConvertBaseInput(std::wstring_view input, NumberBase inputBase, bool groupDigits,
                                const NumberGrouping& grouping) {
    const BaseLayout& layout = BaseLayoutFor(inputBase);
    const BaseValue read = ParseInBase(input, layout.input);
    BaseConversion conversion{read.status, {}};
    if (read.status != BaseParseStatus::kOk) return conversion;
    for (int i = 0; i < kBaseOutputCount; ++i) {
        std::wstring text = FormatInBase(read.value, layout.outputs[i]);
        if (groupDigits) text = GroupBaseDigits(text, layout.outputs[i], grouping);
        conversion.outputs[static_cast<size_t>(i)] = std::move(text);
    }
    return conversion;
}

}  // namespace tv
