// A locale's number format from fuzz bytes, applied the way the program's
// portable grouping applies it, and the reading back of what it wrote.
#pragma once

#include <cmath>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"
#include "numfmt/number_text.h"

namespace fuzz {

// Separators a locale may have; none is a digit, a sign or a bracket, and
// none is part of another, so a formatted number reads back unambiguously.
inline const wchar_t* const kDecimalSeparators[] = {L".", L",", L"\u066B", L"\u00B7", L"::"};
inline const wchar_t* const kThousandSeparators[] = {L",", L".", L" ", L"\u00A0", L"'", L"\u202F", L""};

struct Locale {
    tv::NumberFormat format;
    bool readable = true;  // separators from the lists above
};

inline Locale LocaleFrom(FuzzedDataProvider& in) {
    Locale locale;
    tv::NumberFormat& f = locale.format;
    f.decimals = in.ConsumeIntegralInRange(0u, 9u);
    f.leadingZero = in.ConsumeBool();
    f.grouping = tv::GroupingFromLocaleText(WideText(in.ConsumeRandomLengthString(12)));
    f.negativeOrder = in.ConsumeIntegralInRange(0u, 5u);
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        // Anything at all: only that nothing breaks.
        locale.readable = false;
        f.decimalSep = WideText(in.ConsumeRandomLengthString(4));
        f.thousandSep = WideText(in.ConsumeRandomLengthString(4));
    } else {
        f.decimalSep = in.PickValueInArray(kDecimalSeparators);
        f.thousandSep = in.PickValueInArray(kThousandSeparators);
        if (f.thousandSep == f.decimalSep) f.thousandSep = L"";
    }
    return locale;
}

// The grouping the program hands the display code, over ApplyNumberFormat.
// The display code promises never to ask it to round.
class Grouping final : public tv::NumberGrouping {
public:
    Grouping(tv::NumberFormat f, bool mayRound) : f_(std::move(f)), mayRound_(mayRound) {}
    std::wstring DecimalSeparator() const override { return f_.decimalSep; }
    std::wstring Group(std::wstring_view plain, int decimals) const override {
        tv::NumberFormat f = f_;
        if (decimals != tv::kLocaleDecimals) {
            FUZZ_CHECK(decimals >= 0);
            f.decimals = static_cast<unsigned>(decimals);
        }
        const size_t point = plain.find(L'.');
        if (!mayRound_ && point != std::wstring_view::npos) FUZZ_CHECK(plain.size() - point - 1 <= f.decimals);
        std::wstring grouped = tv::ApplyNumberFormat(plain, f);
        refused = grouped.empty();
        return grouped;
    }

    // Whether the last text was refused, so the caller shows its own.
    mutable bool refused = false;

private:
    tv::NumberFormat f_;
    bool mayRound_;
};

// A number as shown, read back: its value and how many decimals it shows.
struct ReadBack {
    double value;
    size_t decimals;
};

// The format of the program's own texts, shown when the locale refuses one.
inline tv::NumberFormat PlainFormat() { return {.decimalSep = L".", .thousandSep = L""}; }

inline std::optional<ReadBack> ReadShown(std::wstring text, const tv::NumberFormat& f) {
    bool negative = false;
    const auto strip = [&](std::wstring_view prefix, std::wstring_view suffix) {
        if (text.size() >= prefix.size() + suffix.size() && text.starts_with(prefix) && text.ends_with(suffix) &&
            !(prefix.empty() && suffix.empty())) {
            text = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
            negative = true;
            return true;
        }
        return false;
    };
    strip(L"(", L")") || strip(L"- ", L"") || strip(L"-", L"") || strip(L"", L" -") || strip(L"", L"-");
    std::string plain;
    for (size_t i = 0; i < text.size();) {
        if (!f.thousandSep.empty() && text.compare(i, f.thousandSep.size(), f.thousandSep) == 0) {
            i += f.thousandSep.size();
        } else if (text.compare(i, f.decimalSep.size(), f.decimalSep) == 0 && !f.decimalSep.empty()) {
            plain += '.';
            i += f.decimalSep.size();
        } else if (text[i] >= L'0' && text[i] <= L'9') {
            plain += static_cast<char>(text[i++]);
        } else {
            return std::nullopt;
        }
    }
    const size_t point = plain.find('.');
    if (plain.find('.', point == std::string::npos ? point : point + 1) != std::string::npos) return std::nullopt;
    if (plain.empty() || plain == ".") return std::nullopt;
    const double value = std::strtod(plain.c_str(), nullptr);
    return ReadBack{negative ? -value : value, point == std::string::npos ? 0 : plain.size() - point - 1};
}

// Whether `shown`, read back, is `value` to within half its last decimal
// (and the reading's own rounding).
inline bool Near(double shown, double value, size_t decimals, double extra = 0) {
    const double half = 0.5 * std::pow(10.0, -static_cast<double>(decimals)) + extra;
    const double slack = 4 * std::ldexp(std::max(std::fabs(value), 1e-300), -52);
    return std::fabs(shown - value) <= half * (1 + 1e-9) + slack;
}

}  // namespace fuzz
