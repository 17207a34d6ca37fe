// The user's locale number format through GetLocaleInfoW and GetNumberFormatW.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "numfmt/number_text.h"
#include "settings/app_settings.h"

namespace tv {

// The user's locale number format with `decimals` decimals (kLocaleDecimals:
// the locale's own), read afresh.
NumberFormat UserNumberFormat(int decimals);

// The system's formatting of a plain number text in `format`; empty when it
// refuses the text.
std::wstring SystemNumberFormat(std::wstring_view plain, const NumberFormat& format);

// Plain texts longer than this are not handed to the system.
constexpr size_t kLongestSystemNumber = 100;

// The locale's grouping of a plain number text with `decimals` decimals; the
// output is sized for any input. Empty when the system refuses the text.
std::wstring GroupNumberText(std::wstring_view plain, int decimals);

class LocaleNumberGrouping final : public NumberGrouping {
public:
    std::wstring DecimalSeparator() const override;
    NumberFormat Format() const override { return UserNumberFormat(kLocaleDecimals); }
    std::wstring Group(std::wstring_view plain, int decimals) const override {
        return GroupNumberText(plain, decimals);
    }
};

// What the user typed, read as their locale writes numbers (ReadTypedNumber).
inline double ReadUserTypedNumber(std::wstring_view text) { return ReadTypedNumber(text, UserNumberFormat(kLocaleDecimals)); }

// FormatDisplayNumber with the record's display options and the user's locale.
std::wstring FormatDisplayNumber(double value, const AppSettings& settings);

}  // namespace tv
