// A number format of our choosing, applied the way GetNumberFormatW applies
// one. It refuses input that would need rounding: the formatting code must
// hand it texts whose decimals it can show as they are.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "numfmt/number_text.h"

struct FakeNumberFormat {
    std::wstring decimal = L".";
    std::wstring thousand = L",";
    unsigned grouping = 3;  // as the number format's Grouping field: 3, 32, 30 …
    int negativeOrder = 1;  // 0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 -
    bool leadingZero = true;
};

class FakeNumberGrouping final : public tv::NumberGrouping {
public:
    explicit FakeNumberGrouping(FakeNumberFormat f = {}) : f_(std::move(f)) {}
    std::wstring DecimalSeparator() const override { return f_.decimal; }

    std::wstring Group(std::wstring_view plain, int decimals) const override {
        ++calls;
        bool negative = !plain.empty() && plain[0] == L'-';
        if (negative) plain.remove_prefix(1);
        const size_t point = plain.find(L'.');
        std::wstring whole(plain.substr(0, point));
        std::wstring fraction = point == std::wstring_view::npos ? L"" : std::wstring(plain.substr(point + 1));
        if (whole.empty() && fraction.empty()) return L"";
        for (wchar_t c : whole + fraction) {
            if (c < L'0' || c > L'9') return L"";
        }
        if (static_cast<int>(fraction.size()) > decimals) {
            ADD_FAILURE() << "grouping asked to round " << std::string(plain.begin(), plain.end());
            return L"";
        }
        fraction.resize(static_cast<size_t>(decimals), L'0');
        whole.erase(0, std::min(whole.find_first_not_of(L'0'), whole.size()));
        std::wstring number = GroupWhole(whole);
        if (number.empty() && f_.leadingZero) number = L"0";
        if (decimals > 0) number += f_.decimal + fraction;
        if (!negative) return number;
        switch (f_.negativeOrder) {
            case 0: return L"(" + number + L")";
            case 2: return L"- " + number;
            case 3: return number + L"-";
            case 4: return number + L" -";
            default: return L"-" + number;
        }
    }

    mutable int calls = 0;

private:
    std::wstring GroupWhole(const std::wstring& digits) const {
        // Group sizes from the least significant end; the last one repeats
        // unless the field ends in 0.
        std::wstring sizes = std::to_wstring(f_.grouping);
        bool repeat = sizes.back() != L'0';
        if (!repeat) sizes.pop_back();
        std::wstring out;
        size_t end = digits.size();
        size_t g = 0;
        while (end > 0) {
            const size_t size = g < sizes.size() ? sizes[g] - L'0' : (repeat ? sizes.back() - L'0' : 0);
            if (size == 0 || size >= end) {
                out = digits.substr(0, end) + out;
                break;
            }
            out = f_.thousand + digits.substr(end - size, size) + out;
            end -= size;
            ++g;
        }
        return out;
    }

    FakeNumberFormat f_;
};
