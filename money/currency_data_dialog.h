// "About Currency Data": the date of the exchange rates and a notice on
// what they are.
#pragma once

#include <string>

#include "app/tool_dialog.h"
#include "money/exchange_rate_table.h"

namespace tv {

// What "Last updated:" shows: the date in the user's long date format, or
// "Unknown" for a date the file got wrong.
std::wstring LongDateText(const CalendarDate& date);

class CurrencyDataDialog final : public ToolDialog {
public:
    explicit CurrencyDataDialog(const CalendarDate& date);

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;

private:
    CalendarDate date_;
};

}  // namespace tv
