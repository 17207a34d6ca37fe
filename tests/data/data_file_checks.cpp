#include "tests/data/data_file_checks.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <locale>
#include <sstream>

#include "money/euro_fixed_rates.h"
#include "money/exchange_rate_table.h"
#include "reference/care_labels.h"
#include "reference/code_list.h"
#include "reference/data_text.h"
#include "reference/sales_tax.h"

namespace tv::datacheck {
namespace {

constexpr size_t kNameColumn = 41;   // Countries.dat: the code starts at character 42
constexpr size_t kLongestLine = 128; // longer lines are cut to 127 characters
constexpr double kHintTolerance = 0.10;
constexpr size_t kLongestMeaning = 64;  // two wrapped lines in a row one icon high
// No sales tax or VAT comes near it: a higher figure is a slipped digit or point.
constexpr double kHighestRate = 30.0;

// Character classes by Unicode, whatever the program's own locale.
const std::ctype<wchar_t>& Unicode() {
    static const std::locale locale("C.UTF-8");
    return std::use_facet<std::ctype<wchar_t>>(locale);
}

bool IsBlank(wchar_t c) { return Unicode().is(std::ctype_base::space, c); }

std::string Utf8(std::wstring_view text) {
    std::string out;
    for (wchar_t w : text) {
        const auto c = static_cast<uint32_t>(w);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Quoted(std::wstring_view text) { return "'" + Utf8(text) + "'"; }
std::string At(size_t line) { return "line " + std::to_string(line) + ": "; }

std::string CodePoint(uint32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

bool AllOf(std::wstring_view text, bool (*test)(wchar_t)) { return std::all_of(text.begin(), text.end(), test); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsUpper(wchar_t c) { return c >= L'A' && c <= L'Z'; }
bool IsDigits(std::wstring_view text, size_t fewest, size_t most) {
    return text.size() >= fewest && text.size() <= most && AllOf(text, IsDigit);
}

std::wstring_view Part(std::wstring_view line, size_t from, size_t length = std::wstring_view::npos) {
    return from < line.size() ? line.substr(from, length) : std::wstring_view();
}

std::wstring_view TrimEnd(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

size_t Tabs(std::wstring_view line) { return static_cast<size_t>(std::count(line.begin(), line.end(), L'\t')); }

// Case- and accent-blind form of a name, the order the generators sort by:
// the Latin-1 and Latin Extended-A letters lose their accents.
std::wstring Fold(std::wstring_view text) {
    static const wchar_t* const kLatin[0x180 - 0xC0] = {
        L"a", L"a", L"a", L"a", L"a", L"a", L"\u00E6", L"c", L"e", L"e", L"e", L"e", L"i", L"i", L"i", L"i",
        L"\u00F0", L"n", L"o", L"o", L"o", L"o", L"o", L"\u00D7", L"\u00F8", L"u", L"u", L"u", L"u", L"y", L"\u00FE", L"ss",
        L"a", L"a", L"a", L"a", L"a", L"a", L"\u00E6", L"c", L"e", L"e", L"e", L"e", L"i", L"i", L"i", L"i",
        L"\u00F0", L"n", L"o", L"o", L"o", L"o", L"o", L"\u00F7", L"\u00F8", L"u", L"u", L"u", L"u", L"y", L"\u00FE", L"y",
        L"a", L"a", L"a", L"a", L"a", L"a", L"c", L"c", L"c", L"c", L"c", L"c", L"c", L"c", L"d", L"d",
        L"\u0111", L"\u0111", L"e", L"e", L"e", L"e", L"e", L"e", L"e", L"e", L"e", L"e", L"g", L"g", L"g", L"g",
        L"g", L"g", L"g", L"g", L"h", L"h", L"\u0127", L"\u0127", L"i", L"i", L"i", L"i", L"i", L"i", L"i", L"i",
        L"i", L"\u0131", L"ij", L"ij", L"j", L"j", L"k", L"k", L"\u0138", L"l", L"l", L"l", L"l", L"l", L"l", L"l\u00B7",
        L"l\u00B7", L"\u0142", L"\u0142", L"n", L"n", L"n", L"n", L"n", L"n", L"\u02BCn", L"\u014B", L"\u014B", L"o", L"o", L"o", L"o",
        L"o", L"o", L"\u0153", L"\u0153", L"r", L"r", L"r", L"r", L"r", L"r", L"s", L"s", L"s", L"s", L"s", L"s",
        L"s", L"s", L"t", L"t", L"t", L"t", L"\u0167", L"\u0167", L"u", L"u", L"u", L"u", L"u", L"u", L"u", L"u",
        L"u", L"u", L"u", L"u", L"w", L"w", L"y", L"y", L"y", L"z", L"z", L"z", L"z", L"z", L"z", L"s",
    };
    std::wstring out;
    for (wchar_t c : text) {
        if (c >= 0xC0 && c < 0x180) {
            out += kLatin[c - 0xC0];
        } else {
            out += Unicode().tolower(c);
        }
    }
    return out;
}

template <typename Key>
void CheckOrder(const std::vector<Key>& keys, const char* what, Faults& faults) {
    for (size_t i = 1; i < keys.size(); ++i) {
        if (keys[i] < keys[i - 1]) {
            faults.push_back(At(i + 1) + "out of order by " + what);
            return;
        }
    }
}

template <typename Item>
void ReportTwice(const std::vector<Item>& items, const char* what, std::string (*show)(const Item&), Faults& faults) {
    std::set<Item> seen;
    for (const Item& item : items) {
        if (!seen.insert(item).second) faults.push_back(std::string(what) + " " + show(item) + " twice");
    }
}

std::string ShowText(const std::wstring& text) { return Quoted(text); }

void NearHint(size_t count, int hint, Faults& faults) {
    if (std::abs(static_cast<double>(count) - hint) > hint * kHintTolerance) {
        faults.push_back(std::to_string(count) + " lines, not near the " + std::to_string(hint) +
                         " the program reserves room for");
    }
}

// A rate of a sales-tax file: "7%", "9.975%", or "-" for a tax not levied.
bool IsRate(std::wstring_view text) {
    if (text == L"-") return true;
    if (text.size() < 2 || text.back() != L'%') return false;
    text.remove_suffix(1);
    const size_t point = text.find(L'.');
    if (point == std::wstring_view::npos) return IsDigits(text, 1, text.size());
    return IsDigits(text.substr(0, point), 1, point) && IsDigits(text.substr(point + 1), 1, text.size());
}

// A value of the rate file: digits with a point for decimals, an exponent allowed.
bool IsPlainNumber(std::wstring_view text) {
    size_t i = 0;
    const auto digits = [&] {
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i - start;
    };
    size_t mantissa = digits();
    if (i < text.size() && text[i] == L'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

// The percentage of a rate IsRate accepts; nullopt for "-".
std::optional<double> RateValue(std::wstring_view rate) {
    if (rate == L"-") return std::nullopt;
    double value = 0, scale = 1;
    bool fraction = false;
    for (wchar_t c : rate.substr(0, rate.size() - 1)) {
        if (c == L'.') {
            fraction = true;
        } else if (fraction) {
            value += (c - L'0') * (scale /= 10);
        } else {
            value = value * 10 + (c - L'0');
        }
    }
    return value;
}

// The first year from 1900 to 2099 standing as a word of its own.
std::optional<int> NamedYear(std::wstring_view text) {
    for (size_t i = 0; i + 4 <= text.size(); ++i) {
        const std::wstring_view year = text.substr(i, 4);
        const bool alone = (i == 0 || !std::iswalnum(text[i - 1])) &&
                           (i + 4 == text.size() || !std::iswalnum(text[i + 4]));
        if (alone && IsDigits(year, 4, 4) && (year.starts_with(L"19") || year.starts_with(L"20"))) {
            return std::stoi(std::wstring(year));
        }
    }
    return std::nullopt;
}

// The regions each sales-tax file must list, by its file name.
const std::vector<std::wstring>* RegionsOf(std::wstring_view fileName) {
    static const std::vector<std::wstring> kCanada = {
        L"Alberta", L"British Columbia", L"Manitoba", L"New Brunswick", L"Newfoundland and Labrador",
        L"Northwest Territories", L"Nova Scotia", L"Nunavut", L"Ontario", L"Prince Edward Island", L"Quebec",
        L"Saskatchewan", L"Yukon"};
    static const std::vector<std::wstring> kUsa = {
        L"Alabama", L"Alaska", L"Arizona", L"Arkansas", L"California", L"Colorado", L"Connecticut", L"Delaware",
        L"District of Columbia", L"Florida", L"Georgia", L"Hawaii", L"Idaho", L"Illinois", L"Indiana", L"Iowa",
        L"Kansas", L"Kentucky", L"Louisiana", L"Maine", L"Maryland", L"Massachusetts", L"Michigan", L"Minnesota",
        L"Mississippi", L"Missouri", L"Montana", L"Nebraska", L"Nevada", L"New Hampshire", L"New Jersey",
        L"New Mexico", L"New York", L"North Carolina", L"North Dakota", L"Ohio", L"Oklahoma", L"Oregon",
        L"Pennsylvania", L"Rhode Island", L"South Carolina", L"South Dakota", L"Tennessee", L"Texas", L"Utah",
        L"Vermont", L"Virginia", L"Washington", L"West Virginia", L"Wisconsin", L"Wyoming"};
    static const std::vector<std::wstring> kEuropeanUnion = {
        L"Austria", L"Belgium", L"Bulgaria", L"Croatia", L"Cyprus", L"Czechia", L"Denmark", L"Estonia", L"Finland",
        L"France", L"Germany", L"Greece", L"Hungary", L"Ireland", L"Italy", L"Latvia", L"Lithuania", L"Luxembourg",
        L"Malta", L"Netherlands", L"Poland", L"Portugal", L"Romania", L"Slovakia", L"Slovenia", L"Spain", L"Sweden"};
    if (fileName == L"CanVat.dat") return &kCanada;
    if (fileName == L"UsaVat.dat") return &kUsa;
    if (fileName == L"EuroVat.dat") return &kEuropeanUnion;
    return nullptr;
}

void CheckCut(size_t n, std::wstring_view line, Faults& faults) {
    if (line.size() > kLongestLine) {
        faults.push_back(At(n) + std::to_string(line.size()) + " characters, the program cuts it to 127");
    }
}

// The codes of a CODE<TAB>name file, in file order.
std::vector<std::wstring> CodeColumn(std::wstring_view text, Faults& faults) {
    std::vector<std::wstring> codes;
    size_t n = 0;
    for (std::wstring_view line : SplitLines(text)) {
        CheckCut(++n, line, faults);
        const ListRow row = CurrencyRowFromLine(line);
        // The reader takes the first three characters and the text after the first TAB.
        if (line.size() < 4 || !AllOf(line.substr(0, 3), IsUpper) || line[3] != L'\t') {
            faults.push_back(At(n) + "not a three-letter upper-case code, a TAB and a name");
            continue;
        }
        if (TrimEnd(row[1]).empty()) faults.push_back(At(n) + "no name after the code");
        codes.push_back(row[0]);
    }
    ReportTwice(codes, "code", ShowText, faults);
    return codes;
}

std::optional<std::string> ReadBytes(const std::string& path, Faults& faults) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        faults.push_back(std::string("cannot be read: ") + std::strerror(errno));
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::optional<std::wstring> ReadFile(const std::string& path, Faults& faults) {
    const std::optional<std::string> bytes = ReadBytes(path, faults);
    return bytes ? ReadAsProgram(*bytes, faults) : std::nullopt;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

std::optional<std::wstring> ReadAsProgram(std::string_view bytes, Faults& faults) {
    if (bytes.size() > kLargestDataFile) {
        faults.push_back("larger than 16 MiB (" + std::to_string(bytes.size()) +
                         " bytes): the program reads no line of it");
        return std::nullopt;
    }
    // The program decodes its read buffer, which holds two zero bytes after the file.
    std::string buffer(bytes);
    buffer.append(2, '\0');
    std::optional<std::wstring> text = DecodeDataText(buffer);
    if (!text) {
        faults.push_back("byte-order mark and no text: the program reads nothing");
        return std::nullopt;
    }
    const bool unicode = bytes.starts_with("\xFF\xFE");
    size_t whole = bytes.size();  // characters when no NUL ends the text early
    if (unicode) {
        whole = (bytes.size() - 1) / 2;
        if (bytes.size() % 2) faults.push_back("UTF-16 text of an odd number of bytes");
    } else if (const auto high = std::find_if(bytes.begin(), bytes.end(),
                                              [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
               high != bytes.end()) {
        faults.push_back("8-bit text with non-ASCII bytes (first at offset " +
                         std::to_string(high - bytes.begin()) +
                         "): the device's ANSI code page decides what they show; write such a file as UTF-16");
    }
    if (text->size() < whole) faults.push_back("a NUL character: the program's text ends there");

    std::set<uint32_t> odd;
    for (size_t i = 0; i < text->size(); ++i) {
        auto c = static_cast<uint32_t>((*text)[i]);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text->size() && (*text)[i + 1] >= 0xDC00 && (*text)[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>((*text)[++i]) - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            faults.push_back("not valid UTF-16: a lone surrogate " + CodePoint(c) + " at character " +
                             std::to_string(i + 1));
            continue;
        }
        if (c == L'\t' || c == L'\r' || c == L'\n') continue;
        const bool privateUse = (c >= 0xE000 && c < 0xF900) || c >= 0xF0000;
        if (privateUse || !Unicode().is(std::ctype_base::print, static_cast<wchar_t>(c))) odd.insert(c);
    }
    for (uint32_t c : odd) faults.push_back("control, private or unassigned character " + CodePoint(c));
    return text;
}

void CheckCountries(std::wstring_view text, Faults& faults) {
    std::vector<std::wstring> names, keys;
    size_t n = 0;
    for (std::wstring_view line : SplitLines(text)) {
        CheckCut(++n, line, faults);
        const ListRow row = CountryRowFromLine(line);
        const std::wstring& name = row[0];
        const std::wstring& code = row[1];
        if (name.empty()) {
            faults.push_back(At(n) + "no name in characters 1 to 41");
        } else if (name.size() >= kNameColumn) {
            faults.push_back(At(n) + "the name fills the column with no blank before the code");
        }
        if (!IsDigits(code, 1, 4) || code[0] == L'0') {
            faults.push_back(At(n) + "the code from character 42 is " + Quoted(code) + ", not a calling code");
        }
        names.push_back(name);
        keys.push_back(Fold(name));
    }
    ReportTwice(names, "country", ShowText, faults);
    CheckOrder(keys, "name", faults);
    NearHint(n, kCountryRowsHint, faults);
}

void CheckCityAreas(std::wstring_view text, Faults& faults) {
    std::vector<ListRow> entries;
    std::vector<std::wstring> keys;
    size_t n = 0;
    for (std::wstring_view line : SplitLines(text)) {
        ++n;
        if (Tabs(line) != 2) {
            faults.push_back(At(n) + std::to_string(Tabs(line)) + " TABs, city, region and code need 2");
            continue;
        }
        const ListRow row = CityAreaRowFromLine(line);
        if (row[0].empty()) faults.push_back(At(n) + "no city, the letter strip could not find the row");
        for (const std::wstring& field : row) {
            if (!field.empty() && (IsBlank(field.front()) || IsBlank(field.back()))) {
                faults.push_back(At(n) + "a field begins or ends with white space");
                break;
            }
        }
        if (!IsDigits(row[2], 1, 5)) faults.push_back(At(n) + "area code " + Quoted(row[2]) + " is not digits");
        entries.push_back(row);
        keys.push_back(Fold(row[0]));
    }
    ReportTwice<ListRow>(entries, "entry", [](const ListRow& row) { return Quoted(row[0] + L", " + row[1] + L", " + row[2]); },
                         faults);
    CheckOrder(keys, "city", faults);
    NearHint(n, kCityAreaRowsHint, faults);
}

std::optional<int> CheckSalesTax(std::wstring_view text, int columns, const std::vector<std::wstring>* regions,
                                 Faults& faults) {
    const std::vector<std::wstring_view> lines = SplitLines(text);
    const SalesTaxText table(text, columns);
    if (lines.empty()) {
        faults.push_back("no title line");
        return std::nullopt;
    }
    const size_t separators = static_cast<size_t>(columns - 1);
    if (Tabs(lines[0]) != separators) {
        faults.push_back("title line: " + std::to_string(columns) + " TAB-separated titles expected");
    }
    if (std::any_of(table.Titles().begin(), table.Titles().end(), [](const std::wstring& t) { return t.empty(); })) {
        faults.push_back("title line: an empty title");
    }
    const std::optional<int> year = NamedYear(lines[0]);
    if (!year) faults.push_back("title line: states no year, so the rates have no date");
    if (table.RowCount() == 0) faults.push_back("no rows under the title line");
    if (lines.size() - 1 > kMostSalesTaxRows) {
        faults.push_back(std::to_string(lines.size() - 1) + " rows: the program shows the first " +
                         std::to_string(kMostSalesTaxRows));
    }
    std::vector<std::wstring> listed;
    for (size_t row = 0; row < table.RowCount(); ++row) {
        const size_t n = row + 2;
        if (Tabs(lines[row + 1]) != separators) {
            faults.push_back(At(n) + std::to_string(columns) + " TAB-separated fields expected");
            continue;
        }
        const std::vector<std::wstring> fields = table.Row(row);
        if (fields[0].empty()) faults.push_back(At(n) + "no region");
        for (size_t k = 1; k < fields.size(); ++k) {
            if (!IsRate(fields[k])) {
                faults.push_back(At(n) + Quoted(fields[k]) + " is not a rate such as 7% or 9.975% or -");
            } else if (RateValue(fields[k]) > kHighestRate) {
                faults.push_back(At(n) + Quoted(fields[k]) + " is above 30%, more than any sales tax or VAT");
            }
        }
        listed.push_back(fields[0]);
    }
    ReportTwice(listed, "region", ShowText, faults);
    if (regions) {
        const std::set<std::wstring> expected(regions->begin(), regions->end());
        for (const std::wstring& region : *regions) {
            if (std::find(listed.begin(), listed.end(), region) == listed.end()) {
                faults.push_back("no row for " + Quoted(region));
            }
        }
        for (const std::wstring& region : listed) {
            if (!expected.count(region)) faults.push_back(Quoted(region) + " is not one of the regions of this file");
        }
    }
    return year;
}

std::set<std::wstring> CheckCurrencyCodes(std::wstring_view text, Faults& faults) {
    const std::vector<std::wstring> codes = CodeColumn(text, faults);
    CheckOrder(codes, "code", faults);
    NearHint(SplitLines(text).size(), kCurrencyRowsHint, faults);
    return {codes.begin(), codes.end()};
}

void CheckEuroCodes(std::wstring_view text, Faults& faults) {
    // The euro converter's rows are its own table's; a code of the file
    // that the table lacks would convert as if it were the euro.
    const std::vector<std::wstring> codes = CodeColumn(text, faults);
    std::vector<std::wstring> expected;
    for (const EuroFixedRate& rate : kEuroFixedRateTable) expected.emplace_back(rate.code);
    if (codes != expected) {
        const auto joined = [](const std::vector<std::wstring>& list) {
            std::wstring out;
            for (const std::wstring& code : list) out += (out.empty() ? L"" : L" ") + code;
            return Utf8(out);
        };
        faults.push_back("codes " + joined(codes) + ", not " + joined(expected));
    }
}

void CheckRates(std::wstring_view text, const std::set<std::wstring>* knownCodes, Faults& faults) {
    const std::vector<std::wstring_view> lines = SplitLines(text);
    if (lines.empty()) {
        faults.push_back("empty: no date line");
        return;
    }
    ExchangeRateTable table(L"", CalendarDate());
    table.LoadText(text);
    if (!IsDigits(lines[0], 8, 8) || !table.Date().IsValid()) {
        faults.push_back("line 1: " + Quoted(lines[0]) + " is not the day of the rates as YYYYMMDD");
    }
    std::set<std::wstring> seen;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t n = i + 1;
        const std::wstring_view line = lines[i];
        const std::wstring code(Part(line, 0, 3));
        if (code.size() != 3 || !AllOf(code, IsUpper) || line.size() < 4 || (line[3] != L' ' && line[3] != L'\t')) {
            faults.push_back(At(n) + "not a three-letter upper-case code, a blank and a value");
            continue;
        }
        // The line alone under the date line, as the program reads it.
        ExchangeRateTable one(L"", CalendarDate());
        one.LoadText(std::wstring(lines[0]) + L"\r\n" + std::wstring(line));
        const double value = one.ValueOf(code);
        if (!IsPlainNumber(Part(line, 4)) || !(value > 0) || !std::isfinite(value)) {
            faults.push_back(At(n) + Quoted(Part(line, 4)) + " is not a number above 0 with a point for decimals");
        }
        if (!seen.insert(code).second) {
            faults.push_back("code " + Quoted(code) + " twice");
        } else if (knownCodes && !knownCodes->count(code)) {
            faults.push_back(At(n) + Utf8(code) + " is not in CurrencyCode.dat");
        }
    }
    if (table.ValueOf(L"EUR") != 1.0) faults.push_back("EUR is not listed as worth 1");
}

std::set<int> CheckCareLabels(std::wstring_view text, const std::set<int>& iconIds, Faults& faults) {
    // The layout as written, line by line.
    std::set<long> groupLines;
    size_t n = 0;
    for (std::wstring_view line : SplitLines(text)) {
        CheckCut(++n, line, faults);
        line = CutLongLine(line);
        const auto rightAligned = [](std::wstring_view field) {
            const size_t digits = field.find_first_not_of(L' ');
            return field.size() == 3 && digits != std::wstring_view::npos && IsDigits(field.substr(digits), 1, 3);
        };
        if (!rightAligned(Part(line, 0, 3)) || !rightAligned(Part(line, 3, 3))) {
            faults.push_back(At(n) + "characters 1-3 and 4-6 must hold right-aligned numbers");
            continue;
        }
        const long first = ReadLeadingInteger(Part(line, 0, 3));
        const long second = ReadLeadingInteger(Part(line, 3, 3));
        const std::wstring_view words = TrimEnd(Part(line, 6));
        if (words.empty() || IsBlank(words.front())) {
            faults.push_back(At(n) + "the text from character 7 is empty or starts with a blank");
        }
        if (first < 100) {
            if (first >= kCareLabelGroups) {
                faults.push_back(At(n) + "group " + std::to_string(first) + ": the program has groups 0 to 4 only");
            }
            if (second != 0) faults.push_back(At(n) + "a group line with a second number " + std::to_string(second));
            if (!groupLines.insert(first).second) {
                faults.push_back(At(n) + "group " + std::to_string(first) + " a second time");
            }
            continue;
        }
        if (groupLines.empty()) faults.push_back(At(n) + "a label before the first group line");
        if (second != 0 && second < 100) {
            faults.push_back(At(n) + "second icon " + std::to_string(second) + " is not an icon id");
        }
    }

    // What the program makes of it.
    const CareLabelBook book = ReadCareLabels(text);
    std::vector<int> groups;
    for (const CareLabelGroupName& group : book.groups) groups.push_back(group.group);
    std::sort(groups.begin(), groups.end());
    if (groups != std::vector<int>{0, 1, 2, 3, 4}) {
        std::string list;
        for (int g : groups) list += (list.empty() ? "" : ", ") + std::to_string(g);
        faults.push_back("the program reads groups [" + list + "], not the five groups 0 to 4");
    }
    std::set<int> used;
    std::vector<std::pair<int, std::wstring>> labels;
    for (int group = 0; group < kCareLabelGroups; ++group) {
        for (const CareLabel& label : book.labels[group]) {
            for (int icon : {int{label.firstIcon}, int{label.secondIcon}}) {
                if (icon == 0) continue;
                used.insert(icon);
                if (!iconIds.count(icon)) {
                    faults.push_back("label " + Quoted(label.meaning) + ": icon " + std::to_string(icon) +
                                     " is not in wLabels.rc");
                }
            }
            if (label.meaning.size() > kLongestMeaning) {
                faults.push_back("label " + Quoted(label.meaning) + ": a meaning of " +
                                 std::to_string(label.meaning.size()) + " characters does not fit its row");
            }
            labels.emplace_back(group, label.meaning);
        }
    }
    ReportTwice<std::pair<int, std::wstring>>(
        labels, "label", [](const std::pair<int, std::wstring>& label) { return Quoted(label.second); }, faults);
    return used;
}

std::optional<std::vector<std::pair<int, int>>> IconSizes(std::string_view bytes) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto word = [&](size_t i) { return static_cast<uint32_t>(byte(i) | byte(i + 1) << 8); };
    const auto dword = [&](size_t i) { return word(i) | word(i + 2) << 16; };
    if (bytes.size() < 6 || word(0) != 0 || word(2) != 1 || word(4) == 0) return std::nullopt;
    const size_t count = word(4);
    if (bytes.size() < 6 + 16 * count) return std::nullopt;
    std::vector<std::pair<int, int>> sizes;
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const uint64_t length = dword(entry + 8), offset = dword(entry + 12);
        if (offset + length > bytes.size()) return std::nullopt;
        sizes.emplace_back(byte(entry) ? byte(entry) : 256, byte(entry + 1) ? byte(entry + 1) : 256);
    }
    return sizes;
}

std::set<int> CheckLabelResources(std::string_view script, const std::string& folder, Faults& faults) {
    std::set<int> ids;
    std::istringstream lines{std::string(script)};
    std::string raw;
    for (size_t n = 1; std::getline(lines, raw); ++n) {
        std::string line = raw.substr(0, raw.find("//"));
        line.erase(0, line.find_first_not_of(" \t\r"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (line.empty()) continue;
        // ID ICON "PATH"
        std::istringstream words(line);
        std::string id, kind, rest;
        words >> id >> kind >> std::ws;
        std::getline(words, rest);
        if (!IsDigits(std::wstring(id.begin(), id.end()), 1, 9) || kind != "ICON" || rest.size() < 3 ||
            rest.front() != '"' || rest.back() != '"' || rest.find('"', 1) != rest.size() - 1) {
            faults.push_back(At(n) + "not an icon resource: " + line);
            continue;
        }
        const int icon = std::stoi(id);
        const std::string path = rest.substr(1, rest.size() - 2);
        if (!ids.insert(icon).second) faults.push_back(At(n) + "icon id " + id + " twice");
        if (icon < 100 || icon > 999) faults.push_back(At(n) + "icon id " + id + " does not fit wLabels.dat's 3 characters");
        Faults unread;
        const std::optional<std::string> bytes = ReadBytes(folder + "/" + path, unread);
        if (!bytes) {
            faults.push_back(At(n) + "no file " + path);
            continue;
        }
        const auto sizes = IconSizes(*bytes);
        if (!sizes) {
            faults.push_back(At(n) + path + " is not an icon file");
            continue;
        }
        for (const std::pair<int, int>& needed : {std::pair{32, 32}, std::pair{64, 64}}) {
            if (std::find(sizes->begin(), sizes->end(), needed) == sizes->end()) {
                faults.push_back(At(n) + path + " has no " + std::to_string(needed.first) + "x" +
                                 std::to_string(needed.second) + " image");
            }
        }
    }
    return ids;
}

std::vector<FileReport> CheckDataFolder(const std::string& dataFolder, const std::string& labelScript) {
    std::vector<FileReport> reports;
    const auto check = [&](const std::string& name, auto checkText) {
        reports.push_back({name, {}});
        Faults& faults = reports.back().faults;
        if (const std::optional<std::wstring> text = ReadFile(dataFolder + "/" + name, faults)) {
            checkText(*text, faults);
            return true;
        }
        return false;
    };
    check("Countries.dat", CheckCountries);
    check("CityArea.dat", CheckCityAreas);
    // The three tables are of one day: a year that lags the others is a file left out of an update.
    std::vector<std::pair<size_t, int>> taxYears;  // report, year its title names
    for (const SalesTaxRegion& region : kSalesTaxRegions) {
        const std::wstring name(region.fileName);
        check(std::string(name.begin(), name.end()), [&](std::wstring_view text, Faults& faults) {
            if (const std::optional<int> year = CheckSalesTax(text, region.columns, RegionsOf(name), faults)) {
                taxYears.emplace_back(reports.size() - 1, *year);
            }
        });
    }
    int latest = 0;
    for (const auto& [report, year] : taxYears) latest = std::max(latest, year);
    for (const auto& [report, year] : taxYears) {
        if (year < latest) {
            reports[report].faults.push_back("title line: rates of " + std::to_string(year) +
                                             ", another tax file's of " + std::to_string(latest));
        }
    }
    std::set<std::wstring> codes;
    const bool haveCodes = check("CurrencyCode.dat", [&](std::wstring_view text, Faults& faults) {
        codes = CheckCurrencyCodes(text, faults);
    });
    check("Euro.dat", CheckEuroCodes);
    check("sample/CurRates.dat", [&](std::wstring_view text, Faults& faults) {
        CheckRates(text, haveCodes ? &codes : nullptr, faults);
    });

    Faults scriptFaults;
    std::set<int> icons;
    if (const std::optional<std::string> script = ReadBytes(labelScript, scriptFaults)) {
        const size_t slash = labelScript.find_last_of('/');
        icons = CheckLabelResources(*script, slash == std::string::npos ? "." : labelScript.substr(0, slash),
                                    scriptFaults);
    }
    std::set<int> used;
    const bool haveLabels = check("wLabels.dat", [&](std::wstring_view text, Faults& faults) {
        used = CheckCareLabels(text, icons, faults);
    });
    if (haveLabels) {
        for (int icon : icons) {
            if (!used.count(icon)) scriptFaults.push_back("icon " + std::to_string(icon) + " is used by no label in wLabels.dat");
        }
    }
    reports.push_back({"wLabels.rc", scriptFaults});
    return reports;
}

void WriteResults(const std::vector<FileReport>& reports, std::ostream& out) {
    size_t failed = 0;
    for (const FileReport& report : reports) failed += !report.faults.empty();
    const std::string counts = " tests=\"" + std::to_string(reports.size()) + "\" failures=\"" +
                               std::to_string(failed) + "\" disabled=\"0\" errors=\"0\"";
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out << "<testsuites" << counts << " name=\"data_files\">\n";
    out << "  <testsuite name=\"DataFiles\"" << counts << ">\n";
    for (const FileReport& report : reports) {
        out << "    <testcase name=\"" << Escaped(report.name) << "\" classname=\"DataFiles\"";
        if (report.faults.empty()) {
            out << " />\n";
            continue;
        }
        std::string all;
        for (const std::string& fault : report.faults) all += fault + "\n";
        out << ">\n      <failure message=\"" << report.faults.size() << " faults\">" << Escaped(all)
            << "</failure>\n    </testcase>\n";
    }
    out << "  </testsuite>\n</testsuites>\n";
}

}  // namespace tv::datacheck
