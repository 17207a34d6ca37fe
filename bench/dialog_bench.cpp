// Time to open each reference list and the currency pickers with the shipped
// data files, and the dialing codes with generated files of growing length.
//   dialog_bench.exe [runs]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "money/currency_picker_dialog.h"
#include "platform/shell_layer.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "tools/clothing_sizes_dialog.h"

namespace {

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * t.QuadPart / f.QuadPart;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Median milliseconds from construction until the dialog has painted.
double OpenMs(const std::function<std::unique_ptr<tv::ToolDialog>()>& make, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        auto dialog = make();
        HWND window = dialog->CreateModeless(nullptr);
        if (!window) return -1;
        UpdateWindow(window);
        Pump();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::wstring GeneratedCountries(int lines) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"tv-countries-" + std::to_wstring(lines) + L".dat";
    std::string text;
    for (int i = 0; i < lines; ++i) {
        std::string name = "Country " + std::to_string(i);
        text += name + std::string(41 - name.size(), ' ') + std::to_string(1 + i % 999) + "\r\n";
    }
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
    return path;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    tv::shell::InitExtraControls(GetModuleHandleW(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);

    // One opening first, so the system's one-time start (classes, fonts) counts for none.
    OpenMs([] { return std::make_unique<tv::CityAreaCodesDialog>(tv::DataFilePath(L"CityArea.dat")); }, 1);
    std::printf("open to painted, median of %d (goal < 100 ms each):\n", runs);
    std::printf("  dialing codes (Countries.dat):   %6.1f ms\n",
                OpenMs([] { return std::make_unique<tv::DialingCodesDialog>(tv::DataFilePath(L"Countries.dat")); }, runs));
    std::printf("  city area codes (CityArea.dat):  %6.1f ms\n",
                OpenMs([] { return std::make_unique<tv::CityAreaCodesDialog>(tv::DataFilePath(L"CityArea.dat")); }, runs));
    std::printf("  sales tax/VAT (CanVat.dat):      %6.1f ms\n",
                OpenMs([] { return std::make_unique<tv::SalesTaxDialog>(); }, runs));
    std::printf("  care labels (wLabels.dat, .dll): %6.1f ms\n",
                OpenMs([] { return std::make_unique<tv::CareLabelsDialog>(); }, runs));
    std::printf("  clothing sizes (built in):       %6.1f ms\n",
                OpenMs([] { return std::make_unique<tv::ClothingSizesDialog>(); }, runs));
    std::printf("  currency picker (CurrencyCode):  %6.1f ms\n", OpenMs([] {
                    return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"USD");
                }, runs));
    std::printf("  euro picker (Euro.dat):          %6.1f ms\n", OpenMs([] {
                    return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kEuroCodes, L"EUR");
                }, runs));
    std::printf("dialing codes with generated files:\n");
    for (int lines : {1000, 10000}) {
        const std::wstring path = GeneratedCountries(lines);
        std::printf("  %5d lines: %7.1f ms\n", lines,
                    OpenMs([&] { return std::make_unique<tv::DialingCodesDialog>(path); }, std::max(1, runs / 3)));
        DeleteFileW(path.c_str());
    }
    return 0;
}
