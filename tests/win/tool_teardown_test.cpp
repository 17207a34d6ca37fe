// Closing a tool while its window still has work queued: no message its
// destruction sends reaches the object, whose derived parts are gone by then.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/about_dialog.h"
#include "money/currency_data_dialog.h"
#include "money/currency_dialog.h"
#include "money/currency_picker_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/price_comparison_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "settings/options_dialog.h"
#include "tools/base_converter_dialog.h"
#include "tools/calculator_dialog.h"
#include "tools/clothing_sizes_dialog.h"
#include "tools/days_between_dialog.h"
#include "tools/permutation_dialog.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

HWND g_dying = nullptr;
int g_reached = 0, g_seen = 0;

// Counts the messages sent to the dying dialog, and those that still find
// their object attached.
LRESULT CALLBACK WatchSent(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_dying) {
        ++g_seen;
        if (GetWindowLongPtrW(sent->hwnd, DWLP_USER)) ++g_reached;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(ToolDialogTest, EveryToolClosesWithPaintAndNotificationsPendingAndNothingReachesItsObject) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    tv::AppSettings& s = home->record;
    const std::vector<std::function<std::unique_ptr<tv::ToolDialog>()>> tools = {
        [&] { return std::make_unique<tv::BaseConverterDialog>(s); },
        [&] { return std::make_unique<tv::PriceCompareDialog>(s); },
        [&] { return std::make_unique<tv::CurrencyDialog>(s, tv::ExchangeRateTable(rates, tv::CalendarDate::Now())); },
        [&] { return std::make_unique<tv::EuroRatesDialog>(s); },
        [&] { return std::make_unique<tv::CurrencyDataDialog>(tv::CalendarDate::Now()); },
        [&] { return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"USD"); },
        [&] { return std::make_unique<tv::CalculatorDialog>(tv::kElectricalCalculator, s); },
        [&] { return std::make_unique<tv::CalculatorDialog>(tv::kCircleCalculator, s); },
        [&] { return std::make_unique<tv::CalculatorDialog>(tv::kAreaVolumeCalculator, s); },
        [&] { return std::make_unique<tv::PermutationDialog>(); },
        [&] { return std::make_unique<tv::DaysBetweenDialog>(); },
        [&] { return std::make_unique<tv::ClothingSizesDialog>(); },
        [&] { return std::make_unique<tv::SalesTaxDialog>(); },
        [&] { return std::make_unique<tv::CareLabelsDialog>(); },
        [&] { return std::make_unique<tv::DialingCodesDialog>(tv::DataFilePath(L"Countries.dat")); },
        [&] { return std::make_unique<tv::CityAreaCodesDialog>(tv::DataFilePath(L"CityArea.dat")); },
        [&] { return std::make_unique<tv::OptionsDialog>(s); },
        [&] { return std::make_unique<tv::AboutDialog>(); },
    };
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchSent, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    for (size_t i = 0; i < tools.size(); ++i) {
        tool = tools[i]();
        dialog = tool->CreateModeless(main);
        ASSERT_NE(dialog, nullptr) << i;
        // Everything repainted and notified, none of it handled yet.
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(child));
        }
        g_dying = dialog;
        g_seen = g_reached = 0;
        tool.reset();
        g_dying = nullptr;
        EXPECT_FALSE(IsWindow(dialog)) << i;
        EXPECT_GT(g_seen, 0) << i;  // WM_DESTROY at least
        EXPECT_EQ(g_reached, 0) << i;
        Pump(loop);  // what was queued finds no window
    }
    UnhookWindowsHookEx(hook);
    dialog = nullptr;
}
