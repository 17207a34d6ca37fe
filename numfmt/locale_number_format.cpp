#include "numfmt/locale_number_format.h"

#include <vector>

#include "app/app_globals.h"

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

std::wstring GroupNumberText(std::wstring_view plain, int decimals) {
    // The format is spelled out: some systems misread the locale default.
    std::wstring decimal = LocaleText(LOCALE_SDECIMAL);
    std::wstring thousand = LocaleText(LOCALE_STHOUSAND);
    NUMBERFMTW format = {};
    format.NumDigits = static_cast<UINT>(decimals);
    format.LeadingZero = LocaleNumber(LOCALE_ILZERO);
    format.Grouping = GroupingFromLocaleText(LocaleText(LOCALE_SGROUPING));
    format.lpDecimalSep = decimal.data();
    format.lpThousandSep = thousand.data();
    format.NegativeOrder = LocaleNumber(LOCALE_INEGNUMBER);

    const std::wstring input(plain);
    const int needed = GetNumberFormatW(LOCALE_USER_DEFAULT, 0, input.c_str(), &format, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::vector<wchar_t> out(static_cast<size_t>(needed) + 1);
    const int written =
        GetNumberFormatW(LOCALE_USER_DEFAULT, 0, input.c_str(), &format, out.data(), needed + 1);
    if (written <= 0) return std::wstring();
    return std::wstring(out.data());
}

std::wstring FormatDisplayNumber(double value) {
    const AppSettings& s = Settings().record;
    return FormatDisplayNumber(value, s.DeciSize, s.GroupDigits, LocaleNumberGrouping());
}

}  // namespace tv
