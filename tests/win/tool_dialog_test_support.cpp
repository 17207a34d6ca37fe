#include "tool_dialog_test_support.h"

#include "app/about_dialog.h"
#include "money/currency_data_dialog.h"
#include "money/currency_dialog.h"
#include "money/currency_picker_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/price_comparison_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/sales_tax_dialog.h"
#include "settings/options_dialog.h"
#include "tools/base_converter_dialog.h"
#include "tools/calculator_dialog.h"
#include "tools/clothing_sizes_dialog.h"
#include "tools/days_between_dialog.h"
#include "tools/permutation_dialog.h"

namespace wintest {

std::vector<ToolMaker> EveryTool(tv::AppSettings& s, const std::wstring& rates, const std::wstring& data) {
    using tv::CurrencyListKind;
    return {
        {L"number base", [&s] { return std::make_unique<tv::BaseConverterDialog>(s); }},
        {L"price comparison", [&s] { return std::make_unique<tv::PriceCompareDialog>(s); }},
        {L"currency", [&s, rates] {
             return std::make_unique<tv::CurrencyDialog>(s, tv::ExchangeRateTable(rates, tv::CalendarDate::Now()));
         }},
        {L"euro", [&s] { return std::make_unique<tv::EuroRatesDialog>(s); }},
        {L"currency data", [] { return std::make_unique<tv::CurrencyDataDialog>(tv::CalendarDate::Now()); }},
        {L"currency picker", [data] {
             return std::make_unique<tv::CurrencyPickerDialog>(CurrencyListKind::kCurrencyCodes, L"USD",
                                                               data + L"CurrencyCode.dat");
         }},
        {L"euro picker", [data] {
             return std::make_unique<tv::CurrencyPickerDialog>(CurrencyListKind::kEuroCodes, L"DEM", data + L"Euro.dat");
         }},
        {L"electrical", [&s] { return std::make_unique<tv::CalculatorDialog>(tv::kElectricalCalculator, s); }},
        {L"circle", [&s] { return std::make_unique<tv::CalculatorDialog>(tv::kCircleCalculator, s); }},
        {L"area and volume", [&s] { return std::make_unique<tv::CalculatorDialog>(tv::kAreaVolumeCalculator, s); }},
        {L"permutation", [] { return std::make_unique<tv::PermutationDialog>(); }},
        {L"days between", [] { return std::make_unique<tv::DaysBetweenDialog>(); }},
        {L"clothing sizes", [] { return std::make_unique<tv::ClothingSizesDialog>(); }},
        {L"sales tax", [data] { return std::make_unique<tv::SalesTaxDialog>(data); }},
        {L"care labels", [data] { return std::make_unique<tv::CareLabelsDialog>(data); }},
        {L"dialing codes", [data] { return std::make_unique<tv::DialingCodesDialog>(data + L"Countries.dat"); }},
        {L"city area codes", [data] { return std::make_unique<tv::CityAreaCodesDialog>(data + L"CityArea.dat"); }},
        {L"options", [&s] { return std::make_unique<tv::OptionsDialog>(s); }},
        {L"about", [] { return std::make_unique<tv::AboutDialog>(); }},
    };
}
std::wstring MenuItems(HWND window, int button, std::initializer_list<int> ids) {
    HMENU menu = tv::shell::MenuBarSubMenu(window, button);
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    std::wstring items;
    for (int id : ids) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, id, text, 64, MF_BYCOMMAND);
        const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
        items += text + std::wstring(state & MF_GRAYED ? L" (grey)" : L"") + (state & MF_CHECKED ? L" (ticked)" : L"") +
                 L"; ";
    }
    return items;
}

std::vector<std::wstring> ListEntries(HWND list) {
    std::vector<std::wstring> entries(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < entries.size(); ++i) {
        wchar_t text[64] = {};
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries[i] = text;
    }
    return entries;
}

}  // namespace wintest
