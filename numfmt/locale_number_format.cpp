#include "numfmt/locale_number_format.h"

#include <vector>


namespace tv {
namespace {

std::wstring LocaleText(LCTYPE item) {
    wchar_t buffer[8] = {};
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 8)) return std::wstring();
    return buffer;
}

UINT LocaleNumber(LCTYPE item) { return static_cast<UINT>(_wtol(LocaleText(item).c_str())); }

}  // namespace

std::wstring LocaleNumberGrouping::DecimalSeparator() const { return LocaleText(LOCALE_SDECIMAL); }

NumberFormat UserNumberFormat(int decimals) {
    NumberFormat f;
    f.decimals = decimals < 0 ? LocaleNumber(LOCALE_IDIGITS) : static_cast<unsigned>(decimals);
    f.leadingZero = LocaleNumber(LOCALE_ILZERO) != 0;
    f.grouping = GroupingFromLocaleText(LocaleText(LOCALE_SGROUPING));
    f.decimalSep = LocaleText(LOCALE_SDECIMAL);
    f.thousandSep = LocaleText(LOCALE_STHOUSAND);
    f.negativeOrder = LocaleNumber(LOCALE_INEGNUMBER);
    return f;
}

std::wstring SystemNumberFormat(std::wstring_view plain, const NumberFormat& f) {
    std::wstring decimal = f.decimalSep;
    std::wstring thousand = f.thousandSep;
    NUMBERFMTW format = {};
    format.NumDigits = f.decimals;
    format.LeadingZero = f.leadingZero ? 1 : 0;
    format.Grouping = f.grouping;
    format.lpDecimalSep = decimal.data();
    format.lpThousandSep = thousand.data();
    format.NegativeOrder = f.negativeOrder;
    const std::wstring input(plain);
    const int needed = GetNumberFormatW(LOCALE_USER_DEFAULT, 0, input.c_str(), &format, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::vector<wchar_t> out(static_cast<size_t>(needed) + 1);
    if (GetNumberFormatW(LOCALE_USER_DEFAULT, 0, input.c_str(), &format, out.data(), needed + 1) <= 0) {
        return std::wstring();
    }
    return std::wstring(out.data());
}

std::wstring GroupNumberText(std::wstring_view plain, int decimals) {
    // The format is spelled out: some systems misread the locale default.
    const NumberFormat format = UserNumberFormat(decimals);
    // Some systems overrun a fixed buffer on long numbers; those are grouped
    // here, by the same rules and the same locale format.
    if (plain.size() > kLongestSystemNumber) return ApplyNumberFormat(plain, format);
    return SystemNumberFormat(plain, format);
}

std::wstring FormatDisplayNumber(double value, const AppSettings& s) {
    return FormatDisplayNumber(value, s.DeciSize, s.GroupDigits, LocaleNumberGrouping());
}

}  // namespace tv
