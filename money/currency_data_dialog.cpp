#include "money/currency_data_dialog.h"

#include "platform/system_time.h"
#include "resources/resource_ids.h"

namespace tv {

std::wstring LongDateText(const CalendarDate& date) {
    if (!date.IsValid()) return L"Unknown";
    const SYSTEMTIME time = ToSystemTime(date);
    wchar_t text[64] = {};
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, text, 64)) return L"Unknown";
    return text;
}

CurrencyDataDialog::CurrencyDataDialog(const CalendarDate& date) : ToolDialog(IDD_CURRENCY_DATA, nullptr), date_(date) {}


bool CurrencyDataDialog::OnInitDialog() {
    SetUpConventions(0, false);
    SetDlgItemTextW(dialog_, IDC_RATES_DATE, LongDateText(date_).c_str());
    return true;
}

std::vector<ToolDialog::ReaderName> CurrencyDataDialog::ReaderNames() const {
    return {{0, IDS_TOOL_CURRENCY_DATA}};
}

}  // namespace tv
