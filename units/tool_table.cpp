#include "units/tool_table.h"

#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/price_comparison_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "resources/resource_ids.h"
#include "settings/options_dialog.h"
#include "tools/base_converter_dialog.h"
#include "tools/calculator_dialog.h"
#include "tools/clothing_sizes_dialog.h"
#include "tools/days_between_dialog.h"
#include "tools/permutation_dialog.h"

namespace tv {
namespace {

// Tools that need nothing of the settings.
template <class Dialog>
void Run(HWND owner, AppSettings&) {
    Dialog().RunModal(owner);
}

template <class Dialog>
void RunWithSettings(HWND owner, AppSettings& settings) {
    Dialog(settings).RunModal(owner);
}

template <const CalculatorTable& table>
void RunCalculator(HWND owner, AppSettings& settings) {
    CalculatorDialog(table, settings).RunModal(owner);
}

// The code lists read the data file beside the program.
template <class Dialog, const wchar_t* file>
void RunCodeList(HWND owner, AppSettings&) {
    Dialog(DataFilePath(file)).RunModal(owner);
}

constexpr wchar_t kCountries[] = L"Countries.dat";
constexpr wchar_t kCityAreas[] = L"CityArea.dat";

constexpr ToolEntry kTools[] = {
    {ID_OPTIONS, RunWithSettings<OptionsDialog>, true},
    {ID_NUMBER_BASE, RunWithSettings<BaseConverterDialog>, false},
    {ID_CLOTHING_SIZES, Run<ClothingSizesDialog>, false},
    {ID_EURO_RATES, RunWithSettings<EuroRatesDialog>, false},
    {ID_CURRENCY, RunCurrencyConverter, false},
    {ID_PRICE_COMPARISON, RunWithSettings<PriceCompareDialog>, false},
    {ID_DIALING_CODES, RunCodeList<DialingCodesDialog, kCountries>, false},
    {ID_CITY_AREA_CODES, RunCodeList<CityAreaCodesDialog, kCityAreas>, false},
    {ID_CARE_LABELS, Run<CareLabelsDialog>, false},
    {ID_SALES_TAX, Run<SalesTaxDialog>, false},
    {ID_DAYS_BETWEEN, Run<DaysBetweenDialog>, false},
    {ID_CIRCLE, RunCalculator<kCircleCalculator>, false},
    {ID_ELECTRICAL, RunCalculator<kElectricalCalculator>, false},
    {ID_AREA_VOLUME, RunCalculator<kAreaVolumeCalculator>, false},
    {ID_PERMUTATION, Run<PermutationDialog>, false},
};

}  // namespace

const ToolEntry* FindTool(int command) {
    for (const ToolEntry& tool : kTools) {
        if (tool.command == command) return &tool;
    }
    return nullptr;
}

}  // namespace tv
