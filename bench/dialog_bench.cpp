// Time to open each reference list and currency picker to its first paint:
// with the shipped data files, then with generated files of 10,000 and
// 100,000 lines in each list's format, every figure beside its goal.
//   dialog_bench.exe [runs]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "bench/bench_timing.h"
#include "money/currency_picker_dialog.h"
#include "platform/shell_layer.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "resources/resource_ids.h"
#include "tools/clothing_sizes_dialog.h"

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

using Maker = std::function<std::unique_ptr<tv::ToolDialog>()>;

// Median milliseconds from construction until the dialog and its list have
// painted; region: the tax region chosen once it is open (-1: none).
double OpenMs(const Maker& make, int region, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = bench::NowMs();
        auto dialog = make();
        HWND window = dialog->CreateModeless(nullptr);
        if (!window) return -1;
        if (region > 0) {
            HWND choice = GetDlgItem(window, IDC_LIST_TOOL_CHOICE);
            SendMessageW(choice, CB_SETCURSEL, region, 0);
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(choice));
        }
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
        times.push_back(bench::NowMs() - start);
    }
    return bench::Median(times);
}

// With `shipped`, the same list's time with its shipped file, taken in the
// same run: how the opening grows with the file, whatever the machine's pace.
void Report(const std::string& what, double ms, double goal, double shipped = 0) {
    std::printf("  %-46s %7.1f ms (goal < %.0f ms) %s", (what + ":").c_str(), ms, goal,
                ms >= 0 && ms < goal ? "met" : "NOT MET");
    if (shipped > 0) std::printf("; %.2f x the shipped file's", ms / shipped);
    std::printf("\n");
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(f);
    return ok;
}

std::string Number(int i) { return std::to_string(i); }

// A name that starts with any letter, so the lists' searches have work to do.
std::string Name(const char* kind, int i) { return std::string(1, static_cast<char>('A' + i % 26)) + kind + " " + Number(i); }

// One list with the line its generated file has at each position.
struct GeneratedList {
    const char* name;
    const wchar_t* file;
    std::string titles;                   // the first line, for the tax tables
    std::string (*line)(int i, int lines);
    int region;                           // the tax region to choose, or -1
};

std::string CountryLine(int i, int) {
    const std::string name = Name("land", i);
    return name + std::string(41 - name.size(), ' ') + "+" + Number(1 + i % 998) + "\r\n";
}
std::string CityLine(int i, int) { return Name("ville", i) + "\tRegion " + Number(i % 97) + "\t" + Number(100 + i % 900) + "\r\n"; }
// The code the picker opens on is the last row's: every row is looked at.
std::string CurrencyLine(int i, int lines) {
    if (i == lines - 1) return "ZZZ\tThe currency looked for\r\n";
    return std::string(1, static_cast<char>('A' + i % 26)) + static_cast<char>('A' + i / 26 % 26) +
           static_cast<char>('A' + i / 676 % 26) + "\tCurrency " + Number(i) + "\r\n";
}
std::string CanadaLine(int i, int) { return Name("province", i) + "\t5%\t" + Number(i % 10) + "%\t" + Number(13 + i % 3) + "%\r\n"; }
std::string RateLine(int i, int) { return Name("state", i) + "\t" + Number(i % 25) + "." + Number(i % 10) + "%\r\n"; }
// Five groups, then labels of the shipped library's icons.
std::string LabelLine(int i, int) {
    static const char* const kGroups[] = {"Washing", "Bleaching", "Drying", "Ironing", "Dry cleaning"};
    char fields[8];
    if (i < 5) {
        std::snprintf(fields, sizeof fields, "%3d  0", i);
        return fields + std::string(kGroups[i]) + "\r\n";
    }
    std::snprintf(fields, sizeof fields, "%3d%3d", 100 + i % 17, i % 3 ? 0 : 107 + i % 6);
    return fields + std::string("Label ") + Number(i) + ", a meaning long enough to wrap once\r\n";
}

const GeneratedList kLists[] = {
    {"dialing codes", L"Countries.dat", "", CountryLine, -1},
    {"city area codes", L"CityArea.dat", "", CityLine, -1},
    {"currency picker", L"CurrencyCode.dat", "", CurrencyLine, -1},
    {"euro picker", L"Euro.dat", "", CurrencyLine, -1},
    {"sales tax, Canada", L"CanVat.dat", "Province\tGST\tPST\tHST\r\n", CanadaLine, 0},
    {"sales tax, USA", L"UsaVat.dat", "State\tRate\r\n", RateLine, 1},
    {"sales tax, Europe", L"EuroVat.dat", "Country\tVAT\r\n", RateLine, 2},
    {"care labels", L"wLabels.dat", "", LabelLine, -1},
};

// The dialog that shows `list` from the files in `folder`.
Maker MakerFor(const GeneratedList& list, const std::wstring& folder) {
    const std::wstring file = list.file;
    if (file == L"Countries.dat") return [=] { return std::make_unique<tv::DialingCodesDialog>(folder + file); };
    if (file == L"CityArea.dat") return [=] { return std::make_unique<tv::CityAreaCodesDialog>(folder + file); };
    if (file == L"CurrencyCode.dat") {
        return [=] {
            return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"ZZZ", folder + file);
        };
    }
    if (file == L"Euro.dat") {
        return [=] { return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kEuroCodes, L"ZZZ", folder + file); };
    }
    if (file == L"wLabels.dat") return [=] { return std::make_unique<tv::CareLabelsDialog>(folder); };
    return [=] { return std::make_unique<tv::SalesTaxDialog>(folder); };
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    tv::StartControls(GetModuleHandleW(nullptr));
    const std::wstring program = tv::shell::ProgramFolder();

    // One opening first, so the system's one-time start (classes, fonts) counts for none.
    OpenMs([] { return std::make_unique<tv::CityAreaCodesDialog>(tv::DataFilePath(L"CityArea.dat")); }, -1, 1);
    std::printf("open to first paint, median of %d runs (%d with 100000 lines):\n", runs, std::max(1, runs / 3));

    std::printf("with the shipped files:\n");
    std::vector<double> shipped;
    for (const GeneratedList& list : kLists) {
        const Maker make = [&] {
            if (std::wstring(list.file) == L"CurrencyCode.dat") {
                return Maker([] { return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"USD"); });
            }
            if (std::wstring(list.file) == L"Euro.dat") {
                return Maker([] { return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kEuroCodes, L"EUR"); });
            }
            return MakerFor(list, program);
        }();
        shipped.push_back(OpenMs(make, list.region, runs));
        Report(std::string(list.name) + " (" + std::string(list.file, list.file + lstrlenW(list.file)) + ")",
               shipped.back(), 100);
    }
    Report("clothing sizes (built in)", OpenMs([] { return std::make_unique<tv::ClothingSizesDialog>(); }, -1, runs), 100);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tv-dialog-bench\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    // The labels draw the shipped library's icons.
    CopyFileW((program + L"wLabels.dll").c_str(), (folder + L"wLabels.dll").c_str(), FALSE);
    std::printf("with generated files:\n");
    for (const int lines : {10000, 100000}) {
        for (size_t k = 0; k < std::size(kLists); ++k) {
            const GeneratedList& list = kLists[k];
            std::string text = list.titles;
            for (int i = 0; i < lines; ++i) text += list.line(i, lines);
            const std::wstring path = folder + list.file;
            if (!WriteBytes(path, text)) {
                std::printf("  %s: cannot write %ls\n", list.name, path.c_str());
                continue;
            }
            const double ms = OpenMs(MakerFor(list, folder), list.region, lines > 10000 ? std::max(1, runs / 3) : runs);
            Report(std::string(list.name) + ", " + Number(lines) + " lines", ms, lines > 10000 ? 400 : 100, shipped[k]);
            // Only this list's file: the tax dialog opens on Canada, read for every region.
            DeleteFileW(path.c_str());
        }
    }
    DeleteFileW((folder + L"wLabels.dll").c_str());
    RemoveDirectoryW(folder.c_str());
    return 0;
}
