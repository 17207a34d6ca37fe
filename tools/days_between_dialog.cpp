#include "tools/days_between_dialog.h"

#include <commctrl.h>

#include <optional>

#include "platform/system_time.h"
#include "resources/resource_ids.h"
#include "tools/day_count.h"

namespace tv {
namespace {

// The picker's date, or nothing when it holds none.
std::optional<DateTimeFields> PickerDate(HWND picker) {
    SYSTEMTIME t = {};
    if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) != GDT_VALID) return std::nullopt;
    return FromSystemTime(t);
}

}  // namespace

DaysBetweenDialog::DaysBetweenDialog() : ToolDialog(IDD_DAYS_BETWEEN, L"dbtwd") {}

bool DaysBetweenDialog::OnInitDialog() {
    SetUpConventions(0, false);
    // Both pickers start on today: the count opens at 0.
    Count();
    return true;
}

bool DaysBetweenDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != DTN_DATETIMECHANGE || (header->idFrom != IDC_DAYS_FROM && header->idFrom != IDC_DAYS_TO)) {
        return false;
    }
    Count();
    result = 0;
    return true;
}

void DaysBetweenDialog::Count() {
    const std::optional<DateTimeFields> from = PickerDate(GetDlgItem(dialog_, IDC_DAYS_FROM));
    const std::optional<DateTimeFields> to = PickerDate(GetDlgItem(dialog_, IDC_DAYS_TO));
    const std::wstring text = from && to ? DaysBetweenText(*from, *to) : std::wstring();
    SetDlgItemTextW(dialog_, IDC_DAYS_COUNT, text.c_str());
}

std::vector<ToolDialog::ReaderName> DaysBetweenDialog::ReaderNames() const {
    return {{0, IDS_TOOL_DAYS_BETWEEN}, {IDC_DAYS_FROM, IDS_NAME_FROM_DATE}, {IDC_DAYS_TO, IDS_NAME_TO_DATE}};
}

}  // namespace tv
