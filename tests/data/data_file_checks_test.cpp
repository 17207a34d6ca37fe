// The data-file checker: it reads bytes as the program does, finds each kind
// of fault in small files of ours, and its report names each broken file.
// That the shipped files pass is the data_files test's.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "money/euro_fixed_rates.h"
#include "tests/data/data_file_checks.h"

namespace {

using tv::datacheck::Faults;
using Lines = std::vector<std::wstring>;

std::string Utf16File(std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
    return bytes;
}

std::wstring Joined(const Lines& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}

bool Mentions(const Faults& faults, const std::string& words) {
    for (const std::string& fault : faults) {
        if (fault.find(words) != std::string::npos) return true;
    }
    return false;
}

std::string Shown(const Faults& faults) {
    std::string out;
    for (const std::string& fault : faults) out += "\n  " + fault;
    return out.empty() ? " (no faults)" : out;
}

// --- Reading as the program does ----------------------------------------------

TEST(ReadingAsTheProgramDoes, BothEncodingsAndAnyLineEndsGiveTheSameText) {
    Faults ascii, unicode;
    EXPECT_EQ(tv::datacheck::ReadAsProgram("Alberta\t5%\r\nYukon\t5%\r\n", ascii),
              tv::datacheck::ReadAsProgram(Utf16File(L"Alberta\t5%\r\nYukon\t5%\r\n"), unicode));
    EXPECT_TRUE(ascii.empty()) << Shown(ascii);
    EXPECT_TRUE(unicode.empty()) << Shown(unicode);
    Faults accented;
    EXPECT_EQ(tv::datacheck::ReadAsProgram(Utf16File(L"Cura\u00E7ao"), accented), L"Cura\u00E7ao");
    EXPECT_TRUE(accented.empty()) << Shown(accented);
}

TEST(ReadingAsTheProgramDoes, TextThatReadsOtherThanWrittenIsAFault) {
    const struct {
        std::string bytes;
        const char* words;
    } cases[] = {
        {"Cura\xE7" "ao", "non-ASCII bytes (first at offset 4)"},  // 8-bit, the code page decides
        {std::string("abc\0def", 7), "NUL"},
        {Utf16File(L"ab") + std::string("\0\0cd", 4), "NUL"},
        {Utf16File(L"ab") + "c", "odd number of bytes"},
        {Utf16File(L"a\xD800z"), "lone surrogate U+D800"},
        {"bell\a", "U+0007"},
        {Utf16File(L"\u0378"), "U+0378"},  // unassigned
        {Utf16File(L"\uE000"), "U+E000"},  // private use
    };
    for (const auto& c : cases) {
        Faults faults;
        EXPECT_TRUE(tv::datacheck::ReadAsProgram(c.bytes, faults).has_value()) << c.words;
        EXPECT_TRUE(Mentions(faults, c.words)) << c.words << Shown(faults);
    }
    Faults faults;
    EXPECT_EQ(tv::datacheck::ReadAsProgram(std::string("abc\0def", 7), faults), L"abc");
    // The program's buffer ends in zero bytes: a last odd byte still reads as a character.
    faults.clear();
    EXPECT_EQ(tv::datacheck::ReadAsProgram(Utf16File(L"ab") + "c", faults), L"abc");
    EXPECT_EQ(faults, Faults{"UTF-16 text of an odd number of bytes"});
    // A character of two UTF-16 units is one printable character.
    faults.clear();
    tv::datacheck::ReadAsProgram(Utf16File(L"\xD83D\xDE00"), faults);
    EXPECT_TRUE(faults.empty()) << Shown(faults);
}

TEST(ReadingAsTheProgramDoes, AFileTheProgramReadsNothingOfHasNoText) {
    for (const std::string& bytes : {std::string("\xFF\xFE"), std::string("\xFF\xFE\0\0abc", 7),
                                     std::string(16u * 1024 * 1024 + 1, 'x')}) {
        Faults faults;
        EXPECT_FALSE(tv::datacheck::ReadAsProgram(bytes, faults).has_value()) << bytes.size();
        EXPECT_EQ(faults.size(), 1u) << Shown(faults);
    }
}

// --- Each file's check --------------------------------------------------------

Lines Countries(int count, int from = 0) {
    Lines lines;
    for (int i = from; i < from + count; ++i) {
        wchar_t name[16];
        std::swprintf(name, 16, L"Country %03d", i);
        lines.push_back(std::wstring(name) + std::wstring(41 - std::wcslen(name), L' ') + std::to_wstring(100 + i));
    }
    return lines;
}

Lines Cities() {
    Lines lines;
    for (int i = 0; i < 447; ++i) lines.push_back(L"City " + std::to_wstring(1000 + i) + L"\tST\t" + std::to_wstring(200 + i));
    return lines;
}

Lines Codes() {
    Lines lines;
    for (wchar_t a : std::wstring(L"ABCDEFG"))
        for (wchar_t b : std::wstring(L"ABCDE"))
            for (wchar_t c : std::wstring(L"ABCDE")) {
                if (lines.size() < 169) lines.push_back(std::wstring{a, b, c} + L"\tMoney " + std::wstring{a, b, c});
            }
    return lines;
}

Lines EuroCodes() {
    Lines lines;
    for (const tv::EuroFixedRate& rate : tv::kEuroFixedRateTable) lines.push_back(std::wstring(rate.code) + L"\tName");
    return lines;
}

Lines Labels(const Lines& extra, size_t where = 5) {
    Lines groups = {L"  0  0Washing", L"  1  0Bleaching", L"  2  0Drying", L"  3  0Ironing", L"  4  0Professional care"};
    Lines lines(groups.begin(), groups.begin() + static_cast<long>(where));
    lines.insert(lines.end(), extra.begin(), extra.end());
    lines.insert(lines.end(), groups.begin() + static_cast<long>(where), groups.end());
    return lines;
}

Lines Plus(Lines lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

const Lines kVat = {L"Province (Jan 2025)\tGST\tPST\tHST", L"Alberta\t5%\t-\t-", L"Quebec\t5%\t9.975%\t-"};
const std::vector<std::wstring> kVatRegions = {L"Alberta", L"Quebec"};
const Lines kRates = {L"20191001", L"EUR 1.0", L"IDR 0.00006449253725", L"USD\t0.9175995596", L"JPY 2."};
const Lines kLabels = Labels({L"130131Tumble dry, low heat", L"100  0Machine wash  \t"}, 3);  // two icons and one
const std::set<std::wstring> kKnownCodes = {L"EUR", L"IDR", L"JPY", L"USD"};
const std::set<int> kIcons = {100, 130, 131};

using Check = std::function<void(std::wstring_view, Faults&)>;

struct FileCheck {
    const char* name;
    Check check;
    Lines good;
    std::vector<std::pair<const char*, Lines>> bad;  // words of the fault each must report
};

std::vector<FileCheck> FileChecks() {
    const Lines countries = Countries(232);
    const Lines cities = Cities();
    const Lines codes = Codes();
    const Lines euro = EuroCodes();
    const auto labels = [](std::wstring_view text, Faults& faults) { tv::datacheck::CheckCareLabels(text, kIcons, faults); };
    Lines rotated(countries.begin() + 1, countries.end());
    rotated.push_back(countries.front());
    Lines swappedEuro = euro;
    std::swap(swappedEuro[1], swappedEuro[2]);
    return {
        {"countries", tv::datacheck::CheckCountries, countries,
         {{"cuts it", Plus(Countries(231), {std::wstring(41, L'x') + std::wstring(90, L'1')})},
          {"fills the column", Plus(Countries(231), {std::wstring(41, L'Z') + L"7"})},
          {"not a calling code", Plus(Countries(231), {L"Zed" + std::wstring(38, L' ') + L" 44"})},
          {"not a calling code", Plus(Countries(231), {L"Zed" + std::wstring(38, L' ') + L"044"})},
          {"no name", Plus(Countries(231), {std::wstring(41, L' ') + L"44"})},
          {"out of order", rotated},
          {"twice", Plus(Countries(232), Countries(1, 5))},
          {"not near", Countries(150)}}},
        {"city areas", tv::datacheck::CheckCityAreas, cities,
         {{"1 TABs", Plus(cities, {L"Zz\t212"})},
          {"3 TABs", Plus(cities, {L"Zz\tNY\t212\tx"})},
          {"twice", Plus(cities, {cities.back()})},
          {"not digits", Plus(cities, {L"Zz\tNY\tabc"})},
          {"no city", Plus(cities, {L"\tNY\t212"})},
          {"white space", Plus(cities, {L"Zz \tNY\t212"})},
          {"out of order", Plus(cities, {L"Aa\tNY\t212"})}}},
        {"sales tax",
         [](std::wstring_view text, Faults& faults) { tv::datacheck::CheckSalesTax(text, 4, &kVatRegions, faults); },
         kVat,
         {{"no year", Plus({L"Province\tGST\tPST\tHST"}, Lines(kVat.begin() + 1, kVat.end()))},
          {"empty title", Plus({L"Province 2025\t\tPST\tHST"}, Lines(kVat.begin() + 1, kVat.end()))},
          {"4 TAB-separated fields", Plus(kVat, {L"Ontario\t13%"})},
          {"not a rate", Plus(kVat, {L"Ontario\t-\t-\t13"})},
          {"not a rate", Plus(kVat, {L"Ontario\t-\t-\t.5%"})},
          {"'130%' is above 30%", {kVat[0], kVat[1], L"Quebec\t5%\t130%\t-"}},
          {"'30.5%' is above 30%", {kVat[0], kVat[1], L"Quebec\t30.5%\t-\t-"}},
          {"no row for 'Quebec'", {kVat[0], kVat[1]}},
          {"'Quebec City' is not one of the regions", Plus(kVat, {L"Quebec City\t5%\t9.975%\t-"})},
          {"no region", Plus(kVat, {L"\t-\t-\t13%"})},
          {"twice", Plus(kVat, {kVat[1]})},
          {"no rows", {kVat[0]}},
          {"no title line", {}}}},
        {"currency codes", [](std::wstring_view text, Faults& faults) { tv::datacheck::CheckCurrencyCodes(text, faults); },
         codes,
         {{"a TAB and a name", Plus(codes, {L"Usd\tUS Dollar"})},
          {"a TAB and a name", Plus(codes, {L"USD US Dollar"})},
          {"no name", Plus(codes, {L"ZZZ\t "})},
          {"cuts it", Plus(codes, {L"ZZZ\t" + std::wstring(130, L'x')})},
          {"twice", Plus(codes, {codes.back()})},
          {"out of order", Plus(codes, {L"ABF\tBetween ABE and ACA"})},
          {"not near", Lines(codes.begin(), codes.begin() + 150)}}},
        {"euro codes", tv::datacheck::CheckEuroCodes, euro,
         {{"not EUR ATS", Lines(euro.begin() + 1, euro.end())},
          {"not EUR ATS", swappedEuro},
          {"not EUR ATS", Plus(euro, {L"XEU\tEcu"})}}},
        {"rates", [](std::wstring_view text, Faults& faults) { tv::datacheck::CheckRates(text, &kKnownCodes, faults); },
         kRates,
         {{"YYYYMMDD", Plus({L"20190229"}, Lines(kRates.begin() + 1, kRates.end()))},
          {"YYYYMMDD", Plus({L"2019-10-01"}, Lines(kRates.begin() + 1, kRates.end()))},
          {"a blank and a value", Plus(kRates, {L"usd 0.9"})},
          {"a blank and a value", Plus(kRates, {L"USD=0.9"})},
          {"above 0 with a point", Plus(kRates, {L"JPY 0,0084"})},
          {"above 0 with a point", Plus(kRates, {L"JPY 0"})},
          {"above 0 with a point", Plus(kRates, {L"JPY 1e999"})},
          {"above 0 with a point", Plus(kRates, {L"JPY 0.0084 yen"})},
          {"twice", Plus(kRates, {L"USD 0.92"})},
          {"not in CurrencyCode.dat", Plus(kRates, {L"CHF 0.91"})},
          {"EUR is not", {kRates[0], kRates[2]}},
          {"EUR is not", {L"20191001", L"EUR 1.01"}},
          {"empty", {}}}},
        {"care labels", labels, kLabels,
         {{"not in wLabels.rc", Labels({L"132  0Tumble dry"}, 3)},
          {"before the first group", Labels({L"100  0Machine wash"}, 0)},
          {"groups 0 to 4 only", Labels({L"  5  0Extra"})},
          {"not the five groups", Lines(kLabels.begin(), kLabels.begin() + 4)},
          {"a second time", Labels({L"  2  0Drying again"})},
          {"right-aligned", Labels({L"1000  Machine wash"}, 1)},
          {"right-aligned", Labels({L"100 0 Machine wash"}, 1)},
          {"does not fit", Labels({L"100  0" + std::wstring(65, L'w')}, 1)},
          {"twice", Labels({L"100  0Wash", L"100  0Wash"}, 1)},
          {"starts with a blank", Labels({L"100  0 Wash"}, 1)},
          {"second icon 7", Labels({L"100  7Wash"}, 1)}}},
    };
}

TEST(EachFileCheck, AWellFormedFilePassesAndEachFaultIsFound) {
    for (const FileCheck& file : FileChecks()) {
        Faults good;
        file.check(Joined(file.good), good);
        EXPECT_TRUE(good.empty()) << file.name << Shown(good);
        for (const auto& [words, lines] : file.bad) {
            Faults faults;
            file.check(Joined(lines), faults);
            EXPECT_TRUE(Mentions(faults, words)) << file.name << ", " << words << Shown(faults);
        }
    }
}

TEST(EachFileCheck, SalesTaxTitlesGiveTheirYearAndRatesUpTo30PercentPass) {
    Faults faults;
    EXPECT_EQ(tv::datacheck::CheckSalesTax(Joined(kVat), 4, &kVatRegions, faults), 2025);
    EXPECT_EQ(tv::datacheck::CheckSalesTax(Joined({L"State 1999 and 2026\tRate", L"Ohio\t30%", L"Utah\t0%"}), 2,
                                           nullptr, faults),
              1999);
    EXPECT_TRUE(faults.empty()) << Shown(faults);
    // A year inside a longer number is no year.
    EXPECT_FALSE(tv::datacheck::CheckSalesTax(Joined({L"State 120250\tRate", L"Ohio\t5%"}), 2, nullptr, faults));
    EXPECT_TRUE(Mentions(faults, "states no year")) << Shown(faults);
    // Without a list of regions any region may stand in the file.
    faults.clear();
    tv::datacheck::CheckSalesTax(Joined(Plus(kVat, {L"Ontario\t-\t-\t13%"})), 4, nullptr, faults);
    EXPECT_TRUE(faults.empty()) << Shown(faults);
}

TEST(EachFileCheck, AccentsAndCaseDoNotBreakTheOrderOfNames) {
    Lines names = {L"Afghanistan" + std::wstring(30, L' ') + L"93", L"\u00C5land Islands" + std::wstring(28, L' ') + L"358",
                   L"albania" + std::wstring(34, L' ') + L"355"};
    Faults faults;
    tv::datacheck::CheckCountries(Joined(Plus(names, Countries(229))), faults);
    EXPECT_TRUE(faults.empty()) << Shown(faults);
    faults.clear();
    tv::datacheck::CheckCityAreas(Joined({L"C\u00F4te\tX\t1", L"Cote\tY\t2", L"Cz\tX\t3"}), faults);
    EXPECT_FALSE(Mentions(faults, "out of order")) << Shown(faults);
}

TEST(EachFileCheck, LabelsGiveTheIconsTheyUseAndCodesTheCodesListed) {
    Faults faults;
    EXPECT_EQ(tv::datacheck::CheckCareLabels(Joined(kLabels), kIcons, faults), kIcons);
    EXPECT_EQ(tv::datacheck::CheckCareLabels(Joined(Labels({L"130  0Dry"})), kIcons, faults), (std::set<int>{130}));
    const std::set<std::wstring> codes = tv::datacheck::CheckCurrencyCodes(Joined(Codes()), faults);
    EXPECT_EQ(codes.size(), 169u);
    EXPECT_TRUE(codes.count(L"AAA") && codes.count(L"GBD"));
    EXPECT_TRUE(faults.empty()) << Shown(faults);
}

// --- wLabels.rc and the icons ---------------------------------------------------

// A folder of this run's own: other builds may run the same tests at once.
std::filesystem::path Scratch(const char* name) {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("tv_data_checks_" + std::to_string(getpid()) + "_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string IconFile(std::vector<int> sizes) {
    std::string out = {0, 0, 1, 0, static_cast<char>(sizes.size()), 0};
    for (size_t i = 0; i < sizes.size(); ++i) {
        const int offset = static_cast<int>(6 + 16 * sizes.size() + 4 * i);
        out += {static_cast<char>(sizes[i] % 256), static_cast<char>(sizes[i] % 256), 0, 0, 1, 0, 32, 0, 4, 0, 0, 0,
                static_cast<char>(offset), 0, 0, 0};
    }
    return out + std::string(4 * sizes.size(), 'x');
}

TEST(LabelResources, IconSizesReadTheDirectory) {
    EXPECT_EQ(tv::datacheck::IconSizes(IconFile({16, 32, 256})),
              (std::vector<std::pair<int, int>>{{16, 16}, {32, 32}, {256, 256}}));
    const std::string whole = IconFile({32, 64});
    EXPECT_FALSE(tv::datacheck::IconSizes(whole.substr(0, whole.size() - 1)));  // an image cut short
    EXPECT_FALSE(tv::datacheck::IconSizes("BM" + whole.substr(2)));
    EXPECT_FALSE(tv::datacheck::IconSizes(""));
}

TEST(LabelResources, EachFaultOfTheScriptIsFound) {
    const std::filesystem::path folder = Scratch("label_resources");
    const auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    };
    write("good.ico", IconFile({16, 32, 64}));
    write("small.ico", IconFile({16, 32}));
    write("text.ico", "not an icon");
    const std::string script =
        "// comment\n\n100 ICON \"good.ico\"  // after\n101 ICON \"good.ico\"\n";
    Faults faults;
    EXPECT_EQ(tv::datacheck::CheckLabelResources(script, folder.string(), faults), (std::set<int>{100, 101}));
    EXPECT_TRUE(faults.empty()) << Shown(faults);
    const struct {
        const char* line;
        const char* words;
    } cases[] = {
        {"100 ICON \"good.ico\"", "line 2: icon id 100 twice"},
        {"42 ICON \"good.ico\"", "does not fit"},
        {"102 ICON \"none.ico\"", "no file none.ico"},
        {"102 ICON \"small.ico\"", "no 64x64 image"},
        {"102 ICON \"text.ico\"", "not an icon file"},
        {"102 BITMAP \"good.ico\"", "not an icon resource"},
        {"102 ICON good.ico", "not an icon resource"},
    };
    for (const auto& c : cases) {
        faults.clear();
        tv::datacheck::CheckLabelResources(std::string("100 ICON \"good.ico\"\n") + c.line + "\n", folder.string(), faults);
        EXPECT_TRUE(Mentions(faults, c.words)) << c.line << Shown(faults);
    }
    std::filesystem::remove_all(folder);
}

// --- The whole report ------------------------------------------------------------

std::string ReportText(const std::vector<tv::datacheck::FileReport>& reports) {
    std::string out;
    for (const auto& report : reports)
        for (const std::string& fault : report.faults) out += report.name + ": " + fault + "\n";
    return out;
}

TEST(Report, TheShippedFilesPassAndABrokenCopyNamesEachFault) {
    namespace fs = std::filesystem;
    const fs::path source = TV_SOURCE_DIR;
    const std::vector<tv::datacheck::FileReport> shipped =
        tv::datacheck::CheckDataFolder((source / "data").string(), (source / "resources/wLabels.rc").string());
    EXPECT_EQ(shipped.size(), 10u);
    EXPECT_EQ(ReportText(shipped), "");

    const fs::path copy = Scratch("broken_copy");
    fs::copy(source / "data", copy / "data", fs::copy_options::recursive);
    fs::create_directories(copy / "resources");
    {
        std::ifstream in(source / "resources/wLabels.rc");
        std::ofstream out(copy / "resources/wLabels.rc");
        out << in.rdbuf() << "999 ICON \"../data/labels/none.ico\"\n";
    }
    fs::remove(copy / "data/EuroVat.dat");
    {
        // UsaVat.dat left behind at another year.
        std::ifstream in(source / "data/UsaVat.dat", std::ios::binary);
        std::string usa((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ofstream(copy / "data/UsaVat.dat", std::ios::binary) << "State (1 Jan 1999)" << usa.substr(usa.find('\t'));
    }
    std::ofstream(copy / "data/sample/CurRates.dat", std::ios::app | std::ios::binary) << "XYZ 1.5\r\n";
    const std::string report = ReportText(
        tv::datacheck::CheckDataFolder((copy / "data").string(), (copy / "resources/wLabels.rc").string()));
    for (const char* words : {"EuroVat.dat: cannot be read", "wLabels.rc: line", "icon 999",
                              "sample/CurRates.dat: line 34: XYZ", "UsaVat.dat: title line: rates of 1999"}) {
        EXPECT_NE(report.find(words), std::string::npos) << words << "\n" << report;
    }
    EXPECT_EQ(report.find("CanVat.dat"), std::string::npos) << report;
    fs::remove_all(copy);
}

TEST(Report, ResultsCountEachFileAndEachBrokenOne) {
    std::ostringstream xml;
    tv::datacheck::WriteResults({{"A.dat", {}}, {"B&C.dat", {"line 1: <bad> \"x\""}}, {"D.dat", {}}}, xml);
    const std::string text = xml.str();
    // The summary reads the counts from the first <testsuites line.
    const std::string first = text.substr(text.find("<testsuites "), text.find('\n', text.find("<testsuites ")));
    EXPECT_NE(first.find(" tests=\"3\" failures=\"1\" disabled=\"0\" errors=\"0\""), std::string::npos) << text;
    EXPECT_NE(text.find("B&amp;C.dat"), std::string::npos) << text;
    EXPECT_NE(text.find("line 1: &lt;bad&gt; &quot;x&quot;"), std::string::npos) << text;
    EXPECT_EQ(text.find("<bad>"), std::string::npos) << text;
}

}  // namespace
