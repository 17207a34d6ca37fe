// Checks of the data files shipped with the program. Each file is read by
// the program's own readers (the core's decoding, line splitting and row
// readers); a check reports what those readers would get wrong or leave out,
// and what the file's format asks beyond them (order, no entry twice, every
// region a tax file covers, the icons wLabels.dat names being in wLabels.rc).
#pragma once

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tv::datacheck {

// One file's faults, each a sentence in UTF-8, in the order found.
using Faults = std::vector<std::string>;

// The text the program reads from a file of these bytes, or nullopt when it
// reads none; faults for text that reads other than it was written, or that
// depends on the machine's code page.
std::optional<std::wstring> ReadAsProgram(std::string_view bytes, Faults& faults);

void CheckCountries(std::wstring_view text, Faults& faults);
void CheckCityAreas(std::wstring_view text, Faults& faults);
// A sales-tax file of `columns` fields per line that lists each of `regions`
// once and no other (any regions when nullptr). Returns the year its title
// names, or nullopt when it names none.
std::optional<int> CheckSalesTax(std::wstring_view text, int columns, const std::vector<std::wstring>* regions,
                                 Faults& faults);
// Returns the codes, which the rate file may use.
std::set<std::wstring> CheckCurrencyCodes(std::wstring_view text, Faults& faults);
void CheckEuroCodes(std::wstring_view text, Faults& faults);
// knownCodes: those of CurrencyCode.dat, or nullptr when it could not be read.
void CheckRates(std::wstring_view text, const std::set<std::wstring>* knownCodes, Faults& faults);
// iconIds: those of wLabels.rc. Returns the icon ids the labels use.
std::set<int> CheckCareLabels(std::wstring_view text, const std::set<int>& iconIds, Faults& faults);

// The (width, height) of each image of an .ico file, or nullopt if it is not one.
std::optional<std::vector<std::pair<int, int>>> IconSizes(std::string_view bytes);

// The icon ids of the resource script wLabels.rc's text, each icon file
// (relative to `folder`) checked for the 32x32 and 64x64 images the dialog loads.
std::set<int> CheckLabelResources(std::string_view script, const std::string& folder, Faults& faults);

struct FileReport {
    std::string name;  // as the report shows it, e.g. "sample/CurRates.dat"
    Faults faults;
};

// Every data file under `dataFolder` (the shipped data/ folder) and the
// resource script at `labelScript`, in a fixed order.
std::vector<FileReport> CheckDataFolder(const std::string& dataFolder, const std::string& labelScript);

// The reports as the XML results the test summary adds up: one test case a file.
void WriteResults(const std::vector<FileReport>& reports, std::ostream& out);

}  // namespace tv::datacheck
