// A number format of our choosing, standing in for the user's locale. It
// refuses input that would need rounding: the display code must hand it texts
// whose decimals it can show as they are.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "numfmt/number_text.h"

class FakeNumberGrouping final : public tv::NumberGrouping {
public:
    explicit FakeNumberGrouping(tv::NumberFormat f = {}) : f_(std::move(f)) {}
    std::wstring DecimalSeparator() const override { return f_.decimalSep; }

    std::wstring Group(std::wstring_view plain, int decimals) const override {
        ++calls;
        if (decimals == tv::kLocaleDecimals) decimals = static_cast<int>(f_.decimals);
        const size_t point = plain.find(L'.');
        if (point != std::wstring_view::npos && plain.size() - point - 1 > static_cast<size_t>(decimals)) {
            ADD_FAILURE() << "grouping asked to round " << std::string(plain.begin(), plain.end());
        }
        tv::NumberFormat f = f_;
        f.decimals = static_cast<unsigned>(decimals);
        return tv::ApplyNumberFormat(plain, f);
    }

    mutable int calls = 0;

private:
    tv::NumberFormat f_;
};

// A format from its parts: decimal and thousands separators, grouping,
// negative order and leading zero.
inline tv::NumberFormat Format(std::wstring decimal, std::wstring thousand, unsigned grouping = 3,
                               unsigned negativeOrder = 1, bool leadingZero = true) {
    return {.leadingZero = leadingZero, .grouping = grouping, .decimalSep = std::move(decimal),
            .thousandSep = std::move(thousand), .negativeOrder = negativeOrder};
}
