// The data files shipped beside the program, read by the program's own
// readers and held to a table of rules: each rule names the files it holds
// for and the fault it reports. `build/native/check_data_files` runs them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <locale>
#include <map>
#include <ranges>
#include <regex>
#include <set>

#include "money/euro_fixed_rates.h"
#include "money/exchange_rate_table.h"
#include "reference/care_labels.h"
#include "reference/code_list.h"
#include "reference/data_text.h"
#include "reference/sales_tax.h"

namespace {

using Row = std::vector<std::wstring>;

struct File {
    std::string name, bytes;
    std::optional<std::wstring> text{};  // as the program reads it
    std::vector<std::wstring> lines{};
    std::vector<Row> rows{};  // each line as the program's reader cuts it
    size_t kept = 0;          // lines the program's reader keeps
};

const char kScript[] = "../resources/wLabels.rc";  // the care-label icons
const char* const kFiles[] = {"Countries.dat",    "CityArea.dat", "CanVat.dat",  "UsaVat.dat",          "EuroVat.dat",
                              "CurrencyCode.dat", "Euro.dat",     "wLabels.dat", "sample/CurRates.dat", kScript};

// The regions each tax file lists, each once, in order.
const std::map<std::string, std::wstring> kRegions = {
    {"CanVat.dat",
     L"|Alberta|British Columbia|Manitoba|New Brunswick|Newfoundland and Labrador|Northwest Territories"
     L"|Nova Scotia|Nunavut|Ontario|Prince Edward Island|Quebec|Saskatchewan|Yukon|"},
    {"UsaVat.dat",
     L"|Alabama|Alaska|Arizona|Arkansas|California|Colorado|Connecticut|Delaware|District of Columbia"
     L"|Florida|Georgia|Hawaii|Idaho|Illinois|Indiana|Iowa|Kansas|Kentucky|Louisiana|Maine|Maryland"
     L"|Massachusetts|Michigan|Minnesota|Mississippi|Missouri|Montana|Nebraska|Nevada|New Hampshire"
     L"|New Jersey|New Mexico|New York|North Carolina|North Dakota|Ohio|Oklahoma|Oregon|Pennsylvania"
     L"|Rhode Island|South Carolina|South Dakota|Tennessee|Texas|Utah|Vermont|Virginia|Washington"
     L"|West Virginia|Wisconsin|Wyoming|"},
    {"EuroVat.dat",
     L"|Austria|Belgium|Bulgaria|Croatia|Cyprus|Czechia|Denmark|Estonia|Finland|France|Germany|Greece"
     L"|Hungary|Ireland|Italy|Latvia|Lithuania|Luxembourg|Malta|Netherlands|Poland|Portugal|Romania"
     L"|Slovakia|Slovenia|Spain|Sweden|"},
};

const std::map<std::string, const tv::RowReader*> kReaders = {{"Countries.dat", &tv::kCountryRows},
                                                              {"CityArea.dat", &tv::kCityAreaRows},
                                                              {"CurrencyCode.dat", &tv::kCurrencyRows},
                                                              {"Euro.dat", &tv::kCurrencyRows}};
const std::map<std::string, int> kRowsHint = {{"Countries.dat", tv::kCountryRowsHint},
                                              {"CityArea.dat", tv::kCityAreaRowsHint},
                                              {"CurrencyCode.dat", tv::kCurrencyRowsHint}};

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::wstring Part(const std::wstring& line, size_t from, size_t length = std::wstring::npos) {
    return from < line.size() ? line.substr(from, length) : L"";
}

bool Matches(const std::wstring& text, const wchar_t* pattern) {
    static std::map<const wchar_t*, std::wregex> compiled;
    return std::regex_match(text, compiled.try_emplace(pattern, pattern).first->second);
}

// Character classes by Unicode, whatever the machine's locale.
const std::ctype<wchar_t>& Unicode() {
    static const std::locale locale("C.UTF-8");
    return std::use_facet<std::ctype<wchar_t>>(locale);
}

// Case- and accent-blind, the order the lists are sorted by.
std::wstring Fold(const std::wstring& text) {
    static const std::wstring kLatin =  // U+00C0 to U+017F
        L"aaaaaaæceeeeiiiiðnooooo×øuuuuyþsaaaaaaæceeeeiiiiðnooooo÷øuuuuyþyaaaaaaccccccccddđđeeeeeeeeeegggggggghhħħ"
        L"iiiiiiiiiıiijjkkĸllllllllłłnnnnnnʼŋŋooooooœœrrrrrrssssssssttttŧŧuuuuuuuuuuuuwwyyyzzzzzzs";
    std::wstring out;
    for (wchar_t c : text) out += c >= 0xC0 && c < 0x180 ? kLatin[c - 0xC0] : Unicode().tolower(c);
    return out;
}

File Read(const std::string& name, std::string bytes) {
    File f{.name = name, .bytes = std::move(bytes)};
    if (f.bytes.size() <= tv::kLargestDataFile) f.text = tv::DecodeDataText(f.bytes + std::string(2, '\0'));
    if (!f.text) return f;
    for (std::wstring_view line : tv::SplitLines(*f.text)) {
        if (!name.ends_with(".rc") || !line.starts_with(L"//")) f.lines.emplace_back(line);
    }
    f.kept = f.lines.size();
    std::wsmatch icon;
    if (kReaders.count(name)) {
        for (const std::wstring& line : f.lines) f.rows.push_back(tv::ReadRow(*kReaders.at(name), line));
        f.kept = tv::ListRows(*f.text, *kReaders.at(name), tv::kMostCodeListRows).Count();
    } else if (kRegions.count(name)) {
        const std::wstring file(name.begin(), name.end());
        const auto region = std::ranges::find(tv::kSalesTaxRegions, file, &tv::SalesTaxRegion::fileName);
        const tv::SalesTaxText table(*f.text, region->columns);
        f.rows.push_back(table.Titles());
        for (size_t i = 0; i < table.RowCount(); ++i) f.rows.push_back(table.Row(i));
        f.kept = table.RowCount() + !f.lines.empty();
    } else if (name == "wLabels.dat") {
        const tv::CareLabelBook book = tv::ReadCareLabels(*f.text);
        f.kept = book.groups.size() + book.labelCount;
        for (const std::wstring& line : f.lines) f.rows.push_back({Part(line, 0, 3), Part(line, 3, 3), Part(line, 6)});
    } else {  // the rate file's code and worth, the resource script's id and icon file
        for (const std::wstring& line : f.lines) {
            const bool isIcon = std::regex_match(line, icon, std::wregex(L"([1-9][0-9]{2}) ICON \"([^\"]+)\""));
            f.rows.push_back(!name.ends_with(".rc") ? Row{Part(line, 0, 3), Part(line, 4)}
                                                    : Row{isIcon ? icon.str(1) : L"", isIcon ? icon.str(2) : L""});
        }
    }
    f.rows.resize(f.lines.size(), Row(3));
    return f;
}

const File& Shipped(const std::string& name) {
    static std::map<std::string, File> files;
    if (!files.count(name)) files.emplace(name, Read(name, Bytes(TV_SOURCE_DIR "/data/" + name)));
    return files.at(name);
}

long Number(const std::wstring& field) { return tv::ReadLeadingInteger(field); }

bool Utf16(const File& f) { return f.bytes.starts_with("\xFF\xFE"); }

// The year a tax file's title line names, 0 for none.
int Year(const File& f) {
    std::wsmatch year;
    const bool named = !f.lines.empty() && std::regex_search(f.lines[0], year, std::wregex(L"\\b(19|20)[0-9]{2}\\b"));
    return named ? std::stoi(year.str()) : 0;
}

// The regions a tax file's rows name, in order.
std::wstring Regions(const File& f) {
    std::vector<std::wstring> names;
    for (size_t i = 1; i < f.rows.size(); ++i) names.push_back(f.rows[i][0]);
    std::ranges::sort(names);
    std::wstring list = L"|";
    for (const std::wstring& name : names) list += name + L'|';
    return list;
}

tv::ExchangeRateTable Rates(std::wstring_view text) {
    tv::ExchangeRateTable table(L"", tv::CalendarDate());
    table.LoadText(text);
    return table;
}

// Whether an .ico file holds the 32x32 and the 64x64 image the dialog loads, each within the file.
bool HasDialogImages(const std::string& ico) {
    const auto at = [&](size_t at, size_t bytes) {  // little-endian, 0 past the end
        uint64_t value = 0;
        if (at + bytes <= ico.size()) std::memcpy(&value, ico.data() + at, bytes);
        return value;
    };
    std::set<uint64_t> sizes;  // width | height << 8
    for (size_t entry = 6; entry < 6 + 16 * at(4, 2); entry += 16) {
        if (at(entry + 12, 4) + at(entry + 8, 4) > ico.size()) return false;
        sizes.insert(at(entry, 2));
    }
    return at(0, 4) == 0x10000 && sizes.count(32 | 32 << 8) && sizes.count(64 | 64 << 8);
}

// Whether `key` is in column `column` of a row.
bool Listed(const std::vector<Row>& rows, size_t column, const std::wstring& key) {
    return std::ranges::any_of(rows, [&](const Row& row) { return row[column] == key; });
}

bool Printable(wchar_t c) {
    return c == L'\t' || c == L'\r' || c == L'\n' ||
           (Unicode().is(std::ctype_base::print, c) && (c < 0xE000 || c >= 0xF900));
}

// A tax rate: "7%", "9.975%" or "-" for a tax not levied, up to 30%: no sales tax or VAT comes near it.
bool IsRate(const std::wstring& text) {
    return Matches(text, L"-|[0-9]+(\\.[0-9]+)?%") && std::wcstod(text.c_str(), nullptr) <= 30;
}

// Line i of a rate file: a code and its worth, read alone after the date line as the program reads it.
bool IsWorth(const File& f, size_t i) {
    const double worth = Rates(f.lines[0] + L"\r\n" + f.lines[i]).ValueOf(f.rows[i][0]);
    return Matches(f.lines[i], L"[A-Z]{3}[ \t]([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?") && worth > 0 &&
           std::isfinite(worth);
}

std::multiset<int> Groups(const File& f) {
    std::multiset<int> groups;
    for (const tv::CareLabelGroupName& group : tv::ReadCareLabels(*f.text).groups) groups.insert(group.group);
    return groups;
}

bool MeaningsFit(const File& f) {
    return std::ranges::all_of(tv::ReadCareLabels(*f.text).labels, [](const auto& group) {
        std::set<std::wstring> meanings;
        return std::ranges::all_of(group, [&](const tv::CareLabel& label) {
            return label.meaning.size() <= 64 && meanings.insert(label.meaning).second;
        });
    });
}

struct Rule {
    const char* files;  // a pattern the names of the files it holds for match
    const char* fault;
    bool (*ok)(const File& f, size_t i);
};
// Holds for file f, or for its line i: f.lines[i], and f.rows[i] as the program's reader cuts it.
#define RULE(files, fault, ...)                                                                    \
    {                                                                                              \
        files, fault, [](const File& f, [[maybe_unused]] size_t i) -> bool { return __VA_ARGS__; } \
    }

const Rule kFileRules[] = {
    RULE("", "missing or empty", !f.bytes.empty()),
    RULE("", "8-bit text with non-ASCII bytes: the ANSI code page decides what they show; write it as UTF-16",
         Utf16(f) || std::ranges::all_of(f.bytes, [](char b) { return static_cast<unsigned char>(b) < 0x80; })),
    RULE("", "UTF-16 text of an odd number of bytes", !Utf16(f) || f.bytes.size() % 2 == 0),
    RULE("", "a NUL character: the program's text ends there",
         f.text->size() == (Utf16(f) ? (f.bytes.size() - 1) / 2 : f.bytes.size())),
    RULE("", "a control, private-use or unassigned character, or a surrogate", std::ranges::all_of(*f.text, Printable)),
    RULE("", "lines the program's reader leaves out", f.kept == f.lines.size()),
    RULE("Countries|CityArea|CurrencyCode", "not near the rows the program reserves room for",
         std::abs(std::ssize(f.lines) - kRowsHint.at(f.name)) <= kRowsHint.at(f.name) / 10),
    RULE("Vat", "not a row for each region of the file, each once", Regions(f) == kRegions.at(f.name)),
    RULE("Vat", "the title line names no year, or another than the other tax files'",
         Year(f) && Year(f) == Year(Shipped("CanVat.dat"))),
    RULE("Euro\\.dat", "not the euro converter's codes in its order",
         std::ranges::equal(f.rows, tv::kEuroFixedRateTable,
                            [](const Row& row, const tv::EuroFixedRate& rate) { return row[0] == rate.code; })),
    RULE("CurRates", "EUR is not listed as worth 1", Rates(*f.text).ValueOf(L"EUR") == 1),
    RULE("wLabels\\.dat", "not the five groups 0 to 4, each once", Groups(f) == std::multiset<int>{0, 1, 2, 3, 4}),
    RULE("wLabels\\.dat", "a meaning longer than the 64 characters its row fits, or twice in its group",
         MeaningsFit(f)),
};

const Rule kLineRules[] = {
    RULE("Countries|CurrencyCode|Euro\\.dat|wLabels\\.dat", "longer than 128 characters: the program cuts it",
         f.lines[i].size() <= 128),
    RULE("Countries|CityArea|CurrencyCode|Euro\\.dat|CurRates|\\.rc", "listed twice",  // a city by its whole row
         std::none_of(
             f.rows.begin(), f.rows.begin() + i,
             [&](const Row& row) { return f.name == "CityArea.dat" ? row == f.rows[i] : row[0] == f.rows[i][0]; })),
    RULE("Countries|CityArea|CurrencyCode", "out of order", i == 0 || Fold(f.rows[i - 1][0]) <= Fold(f.rows[i][0])),
    RULE("Countries", "no name in characters 1 to 41, or no blank between it and the code",
         !f.rows[i][0].empty() && f.rows[i][0].size() < 41),
    RULE("Countries", "no calling code from character 42", Matches(f.rows[i][1], L"[1-9][0-9]{0,3}")),
    RULE("CityArea", "not a city, a region and an area code between two TABs",
         Matches(f.lines[i], L"[^\t]+\t[^\t]*\t[0-9]{1,5}")),
    RULE("CityArea", "a field begins or ends with white space",
         std::ranges::all_of(f.rows[i], [](const std::wstring& s) { return Matches(s, L"(\\S(.*\\S)?)?"); })),
    RULE("CurrencyCode|Euro\\.dat", "not a three-letter code, a TAB and a name",
         Matches(f.lines[i], L"[A-Z]{3}\t.*\\S.*")),
    RULE("Vat", "not one TAB-separated field for each column, none empty",
         std::ranges::count(f.lines[i], L'\t') + 1 == std::ssize(f.rows[0]) &&
             std::ranges::none_of(f.rows[i], &std::wstring::empty)),
    RULE("Vat", "not a rate such as 7%, 9.975% or - up to 30%",
         i == 0 || std::all_of(f.rows[i].begin() + 1, f.rows[i].end(), IsRate)),
    RULE("CurRates", "the first line is not the day of the rates as YYYYMMDD",
         i > 0 || (Matches(f.lines[0], L"[0-9]{8}") && Rates(*f.text).Date().IsValid())),
    RULE("CurRates", "not a code, a blank and a worth above 0 with a point for decimals", i == 0 || IsWorth(f, i)),
    RULE("CurRates", "a code not in CurrencyCode.dat",
         i == 0 || Listed(Shipped("CurrencyCode.dat").rows, 0, f.rows[i][0])),
    RULE("wLabels\\.dat", "a label before the first group line", i > 0 || Number(f.rows[0][0]) < 100),
    RULE("wLabels\\.dat", "not right-aligned numbers in characters 1-3 and 4-6 and a text from character 7",
         Matches(f.lines[i], L"( {2}[0-9]| [0-9]{2}|[0-9]{3}){2}\\S.*")),
    RULE("wLabels\\.dat", "a group line with a second number, or a second icon below 100",
         Number(f.rows[i][1]) == 0 || (Number(f.rows[i][0]) >= 100 && Number(f.rows[i][1]) >= 100)),
    RULE("wLabels\\.dat", "an icon not in wLabels.rc",
         Number(f.rows[i][0]) < 100 ||
             std::ranges::all_of(f.rows[i] | std::views::take(Number(f.rows[i][1]) ? 2 : 1),
                                 [](auto& id) { return Listed(Shipped(kScript).rows, 0, id); })),
    RULE("\\.rc", "not an icon resource with a three-digit id", !f.rows[i][0].empty()),
    RULE("\\.rc", "no icon file with the 32x32 and the 64x64 image",
         f.rows[i][1].empty() || HasDialogImages(Bytes(TV_SOURCE_DIR "/resources/" +
                                                       std::string(f.rows[i][1].begin(), f.rows[i][1].end())))),
    RULE("\\.rc", "an icon no label of wLabels.dat uses",
         Listed(Shipped("wLabels.dat").rows, 0, f.rows[i][0]) || Listed(Shipped("wLabels.dat").rows, 1, f.rows[i][0])),
};

std::vector<std::string> Faults(const File& f) {
    if (!f.text) return {"the program reads no text of it"};
    std::vector<std::string> faults;
    for (const Rule& rule : kFileRules) {
        if (std::regex_search(f.name, std::regex(rule.files)) && !rule.ok(f, 0)) faults.push_back(rule.fault);
    }
    for (const Rule& rule : kLineRules) {
        std::string lines;
        for (size_t i = 0; i < f.lines.size() && std::regex_search(f.name, std::regex(rule.files)); ++i) {
            if (!rule.ok(f, i)) lines += (lines.empty() ? "line " : ", ") + std::to_string(i + 1);
        }
        if (!lines.empty()) faults.push_back(lines + ": " + rule.fault);
    }
    return faults;
}

class ShippedFile : public testing::TestWithParam<const char*> {};
TEST_P(ShippedFile, HoldsToEveryRule) { EXPECT_EQ(Faults(Shipped(GetParam())), std::vector<std::string>{}); }
INSTANTIATE_TEST_SUITE_P(DataFiles, ShippedFile, testing::ValuesIn(kFiles));

// The rules can fail: small bad files, each with a fault it must report.
TEST(Rules, ReportABadFile) {
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"Countries.dat", "Zed" + std::string(38, ' ') + "044\r\n", "no calling code"},
        {"Euro.dat", "EUR\tEuro\r\nATS\tSchilling \xF6sterreich\r\n", "8-bit text"},
        {"CanVat.dat", "Province (2026)\tGST\tPST\tHST\r\nAlberta\t5%\t130%\t-\r\n", "up to 30%"},
        {"sample/CurRates.dat", "20190229\r\nEUR 1.0\r\nUSD 0.9\r\n", "YYYYMMDD"},
        {"wLabels.dat", "  0  0Washing\r\n999  0Wash at 95\r\n", "not in wLabels.rc"},
    };
    for (const auto& [file, bytes, fault] : cases) {
        EXPECT_THAT(Faults(Read(file, bytes)), testing::Contains(testing::HasSubstr(fault))) << file;
    }
}

}  // namespace
