// The data files shipped beside the program, read by the program's own
// readers and held to a table of rules: each rule names the files it holds
// for and the fault it reports. `build/native/check_data_files` runs them.
// wLabels.dat's icons are draw_labels.py --check's: it writes the file, the
// icons and wLabels.rc from one source.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <locale>
#include <map>
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

const char* const kFiles[] = {"Countries.dat",    "CityArea.dat", "CanVat.dat",  "UsaVat.dat",         "EuroVat.dat",
                              "CurrencyCode.dat", "Euro.dat",     "wLabels.dat", "sample/CurRates.dat"};

// How many regions each tax file lists: the provinces and territories, the
// states and the District of Columbia, the members of the union.
const std::map<std::string, size_t> kRegions = {{"CanVat.dat", 13}, {"UsaVat.dat", 51}, {"EuroVat.dat", 27}};

// The code lists' readers, and the rows each reserves room for.
const std::map<std::string, std::pair<const tv::RowReader*, int>> kReaders = {
    {"Countries.dat", {&tv::kCountryRows, tv::kCountryRowsHint}},
    {"CityArea.dat", {&tv::kCityAreaRows, tv::kCityAreaRowsHint}},
    {"CurrencyCode.dat", {&tv::kCurrencyRows, tv::kCurrencyRowsHint}},
    {"Euro.dat", {&tv::kCurrencyRows, 0}}};

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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
    for (std::wstring_view line : tv::SplitLines(*f.text)) f.lines.emplace_back(line);
    f.kept = f.lines.size();
    if (kReaders.count(name)) {
        for (const std::wstring& line : f.lines) f.rows.push_back(tv::ReadRow(*kReaders.at(name).first, line));
        f.kept = tv::ListRows(*f.text, *kReaders.at(name).first, tv::kMostCodeListRows).Count();
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
    } else {  // the rate file: its code, as the table looks it up
        for (const std::wstring& line : f.lines) f.rows.push_back({line.substr(0, 3)});
    }
    f.rows.resize(f.lines.size(), Row(3));
    return f;
}

const File& Shipped(const std::string& name) {
    static std::map<std::string, File> files;
    if (!files.count(name)) files.emplace(name, Read(name, Bytes(TV_SOURCE_DIR "/data/" + name)));
    return files.at(name);
}

bool Utf16(const File& f) { return f.bytes.starts_with("\xFF\xFE"); }

tv::ExchangeRateTable Rates(std::wstring_view text) {
    tv::ExchangeRateTable table(L"", tv::CalendarDate());
    table.LoadText(text);
    return table;
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

// The five groups 0 to 4 in order; each meaning fits its row and is there once in its group.
bool LabelsFit(const File& f) {
    const tv::CareLabelBook book = tv::ReadCareLabels(*f.text);
    std::vector<int> groups;
    for (const tv::CareLabelGroupName& group : book.groups) groups.push_back(group.group);
    return groups == std::vector<int>{0, 1, 2, 3, 4} && std::ranges::all_of(book.labels, [](const auto& group) {
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
         std::abs(std::ssize(f.lines) - kReaders.at(f.name).second) <= kReaders.at(f.name).second / 10),
    RULE("Vat", "not a row for each region of the file", f.rows.size() == kRegions.at(f.name) + 1),
    RULE("Euro\\.dat", "not the euro converter's codes in its order",
         std::ranges::equal(f.rows, tv::kEuroFixedRateTable,
                            [](const Row& row, const tv::EuroFixedRate& rate) { return row[0] == rate.code; })),
    RULE("CurRates", "EUR is not listed as worth 1", Rates(*f.text).ValueOf(L"EUR") == 1),
    RULE("wLabels\\.dat", "not the five groups 0 to 4, or a meaning over 64 characters or twice in its group",
         LabelsFit(f)),
};

const Rule kLineRules[] = {
    RULE("Countries|CurrencyCode|Euro\\.dat|wLabels\\.dat", "longer than 128 characters: the program cuts it",
         f.lines[i].size() <= 128),
    RULE("Countries|CityArea|CurrencyCode|Euro\\.dat|CurRates|Vat", "listed twice",  // a city by its whole row
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
         i == 0 || std::ranges::any_of(Shipped("CurrencyCode.dat").rows,
                                       [&](const Row& code) { return code[0] == f.rows[i][0]; })),
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
        {"wLabels.dat", "  0  0Washing\r\n  1  0Bleaching\r\n", "not the five groups"},
    };
    for (const auto& [file, bytes, fault] : cases) {
        EXPECT_THAT(Faults(Read(file, bytes)), testing::Contains(testing::HasSubstr(fault))) << file;
    }
}

}  // namespace
