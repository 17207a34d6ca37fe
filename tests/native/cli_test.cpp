// The command-line companion's commands as a script calls them: each answer
// alone on its line, each mistake one line on standard error with status 2.
// The core's arithmetic behind them is the other tests'; here the reading of
// arguments, names, options and files.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "cli/utf8_text.h"
#include "fakes.h"
#include "units/unit_tables.h"

namespace {

const FakeNumberGrouping kGerman(Format(L",", L"."));  // shows which grouping an answer went through
const std::string kRates = "20191001\r\nUSD 1.0\r\nEUR 1.1\r\nJPY 0.009\r\nZZZ 0\r\n";

struct CliRun {
    int status;
    std::string out, err;
};

// The files it may read: rates.dat, its UTF-16 twin u.dat, mark.dat (a mark
// and nothing) and the default rate file.
// The command line is its arguments joined by '|'.
// `input` is standard input.
CliRun Tallyvane(const std::string& line, std::string defaultRates = "/home/u/Documents/CurRates.dat",
                 const std::string& input = "") {
    std::vector<std::string> args;
    for (size_t at = 0, bar = 0; !line.empty() && bar != std::string::npos; at = bar + 1) {
        bar = line.find('|', at);
        args.push_back(line.substr(at, bar - at));
    }
    std::string utf16 = "\xFF\xFE";
    for (char c : kRates) utf16 += {c, '\0'};
    const std::map<std::string, std::string> files = {
        {"rates.dat", kRates}, {"u.dat", utf16}, {"mark.dat", "\xFF\xFE"}, {"/home/u/Documents/CurRates.dat", kRates}};
    tv::cli::CommandContext context{&kGerman, "the test's German format", std::move(defaultRates), "the test's",
                                          [files](const std::string& path) {
                                              const auto f = files.find(path);
                                              return f == files.end() ? std::nullopt : std::optional(f->second);
                                          }};
    std::istringstream in(input);
    context.input = &in;
    context.version = "2.0.1";
    std::ostringstream out, err;
    const int status = tv::cli::RunCommand(args, context, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(Cli, AnswersAloneOnTheirLines) {
    const std::pair<std::string, std::string> answers[] = {
        {"convert|1|m\xC2\xB2|cm\xC2\xB2", "10000.0000"}, {"convert|2.5e1|mm|cm", "2.5000"},
        // Names exactly first, then ignoring case ("khz" is the list's spelling).
        {"convert|100|f|c", "37.7778"}, {"convert|1|MHz|kHz", "1000.0000"}, {"convert|1000|mHz|Hz", "1.0000"},
        // A name of several categories needs one; a pair only one holds needs none.
        {"convert|2|mi|km|--category=astronomical", "3.2187"}, {"convert|1|mi|yd", "1760.0000"},
        // Decimals as the Options dialog offers them; unlimited keeps a whole number's point.
        {"convert|1|lb|kg|--decimals|8", "0.45359237"}, {"convert|1|lb|kg|--decimals|6", "0.453592"},
        {"convert|1|in|cm|--decimals=(Unlimited)", "2.54"},
        {"convert|1234.5|m|mm|--category|Length|--group|--decimals|unlimited", "1.234.500,00000000"},
        // Options stand anywhere; after "--" a word that starts like one is an operand.
        {"--decimals|2|convert|1|lb|kg", "0.45"}, {"convert|--|-40|C|F", "-40.0000"},
        {"units|length", "mm\ncm\nm\nkm\nmi\nyd\nft\nin"}, {"base|0x1F|--from|hexadecimal", "31\n1F\n37\n00011111"},
        {"base|101|--from|BIN", "5\n5\n5\n0101"}, {"base|65535|--group", "65.535\nFFFF\n177 777\n1111 1111 1111 1111"},
        {"days|2024-03-01|2024-02-01", "-29"}, {"perm|5|3", "60"}, {"comb|52|5", "2598960"}, {"fact|3", "6"},
        // The rate shows six decimals and the amount is multiplied by that: 0.909091.
        {"currency|100000|usd|EUR|--rates|rates.dat", "90909.10"},
        {"currency|1000000|USD|JPY|--group|--rates|rates.dat", "111.111.111,00"},
        {"currency|2|EUR|EUR", "2.00"}, {"currency|100|EUR|USD|--rates|u.dat", "110.00"},
        // The names people type; a value glued to its unit; sums of one kind.
        {"convert|5ft|m", "1.5240"}, {"convert|1|GB|MB", "1024.0000"}, {"convert|10|miles|km", "16.0934"},
        {"convert|2|meters|feet", "6.5617"}, {"convert|3|lbs|kg", "1.3608"}, {"convert|1|gallon|L", "3.7854"},
        {"convert|100|\u00B0C|\u00B0F", "212.0000"}, {"convert|1|psi|kPa", "6.8948"}, {"convert|1|ha|m2", "10000.0000"},
        {"convert|1|m3|cu cm", "1000000.0000"}, {"convert|1|ft^2|sq in", "144.0000"}, {"convert|1|tbsp|tsp", "3.0000"},
        {"convert|1|ly|pc", "0.3066"}, {"convert|60|rpm|Hz", "1.0000"}, {"convert|1|kn|m/s", "0.5144"},
        {"convert|1|KN|N", "1000.0000"}, {"convert|1|\u03BCbar|Pa", "0.1000"}, {"convert|-40\u00B0F|degC", "-40.0000"},
        {"convert|100km/h|mph", "62.1371"}, {"convert|1e3m|km", "1.0000"}, {"convert|5|ft|3|in|m", "1.6002"},
        {"convert|1|lb|4|oz|g", "566.9905"}, {"convert|1|fl|oz|(UK)|ml", "28.4131"}, {"convert|1000|m|km", "1.0000"},
        // Any number of decimals, or the fewest that read back as the same number.
        {"convert|1|mi|m|--decimals|0", "1609"}, {"convert|1|mi|m|--decimals=shortest", "1609.344"},
        {"convert|1|eV|J|--decimals|shortest", "1.602176634e-19"}, {"convert|1|Petabytes|Bits|--decimals|shortest", "9.007199254740992e+15"},
        {"convert|1|ly|m|--decimals|shortest", "9.460730472580798e+15"},
        {"convert|1234.5|m|mm|--decimals|shortest|--group", "1.234.500"}, {"--version", "tallyvane 2.0.1"},
    };
    for (const auto& [args, answer] : answers) {
        const CliRun run = Tallyvane(args);
        EXPECT_TRUE(run.status == 0 && run.err.empty() && run.out == answer + "\n")
            << args << " gave " << run.status << ": " << run.out << run.err;
    }
}

// One of each kind of mistake each command can make (the run test has a name
// of two categories).
TEST(Cli, EachMistakeIsOneLineSayingWhatIsWrong) {
    const std::pair<std::string, std::string> mistakes[] = {
        {"convert|1|MHZ|Hz", "'MHZ' could be mHz or MHz in Frequency"}, {"convert|1|furlong|m", "no unit 'furlong'"},
        {"convert|1|kg|g|--category|Length", "no unit 'kg' in Length; its units: mm, cm, m, km, mi, yd, ft, in"},
        {"convert|1|km|m/s", "'km' (Length, Astronomical) and 'm/s' (Speed) share no category"},
        {"convert|1,5|kg|g", "'1,5' is not a number"}, {"convert|1e308|Petabytes|Bits", "Overflow"},
        {"convert|1" + std::string(63, '0') + "|kg|g", "longer than the 63 characters"},
        {"units|Colour", "no category 'Colour'; the categories: Temperature, Mass, Length"},
        {"base|18446744073709551616", "base: The number is too large."},
        {"base|9|--from|oct", "'9' is no octal number"}, {"base|1|--from|roman", "--from takes dec, hex, oct or bin"},
        {"perm|3|5", "perm: Invalid value. (N and K may not be negative"}, {"perm|5|x", "K 'x' is not a whole number"},
        // The year is read whole, never wrapped into 16 bits.
        {"days|70000-01-01|2024-01-01", "date '70000-01-01' is no day from 1601-01-01"},
        {"days|2024-01-01|2024-1-01", "is not written YYYY-MM-DD"},
        {"currency|1|EUR|USD|--rates|gone.dat", "cannot read the rate file gone.dat"},
        {"currency|1|EUR|USD|--rates|mark.dat", "the rate file mark.dat holds no text"},
        {"currency|1|EUR|ZZZ|--rates|rates.dat", "no rate for 'ZZZ' in rates.dat"},  // listed with no worth
        {"currency|1" + std::string(32, '0') + "|EUR|USD|--rates|rates.dat", "longer than the 32 characters"},
        {"currency|1e308|USD|JPY|--rates|rates.dat", "Overflow"}, {"", "no command given"},
        {"conv|1|kg|g", "unknown command 'conv'"}, {"days|2024-01-01", "days takes YYYY-MM-DD YYYY-MM-DD, not 1"},
        {"convert|1|kg|g|--colour", "unknown option '--colour'"}, {"convert|1|kg|g|--decimals", "needs a value"},
        {"convert|1|kg|g|--group=x", "--group takes no value"},
        {"convert|1|kg|g|--decimals|16", "--decimals takes unlimited, shortest or a whole number from 0 to 15"},
        {"convert|1|mhz|Hz", "'mhz' could be mHz or MHz"}, {"convert|5|C|3|F|K", "temperatures do not add"},
        {"convert|5|ft|3|kg|m", "'ft' (Length) and 'kg' (Mass) and 'm' (Length, Astronomical) share no category"},
        {"convert|5|ft", "needs VALUE FROM TO"}, {"convert|ft|m", "value 'ft' is not a number"},
        {"convert|12abc|m", "no unit 'abc'"}, {"convert|1|m|km|--category|Mass", "no unit 'm' in Mass"},
        {"convert|1|kg|g|--rates|x", "--rates is no option of convert (its options: --category, --decimals, --group)"},
    };
    for (const auto& [args, says] : mistakes) {
        const CliRun run = Tallyvane(args);
        EXPECT_TRUE(run.status == 2 && run.out.empty() && run.err.rfind("tallyvane: ", 0) == 0 &&
                    run.err.find('\n') == run.err.size() - 1 && run.err.find(says) != std::string::npos)
            << args << " gave " << run.status << ": " << run.out << run.err;
    }
    // No documents folder to find the default rate file in (the run test has it missing).
    EXPECT_NE(Tallyvane("currency|1|EUR|USD", "").err.find("name the rate file with --rates"), std::string::npos);
    // What cannot be read whole as a file is no file.
    EXPECT_EQ(tv::cli::ReadWholeFile(std::string(TV_SOURCE_DIR) + "/data"), std::nullopt);
}

// convert -: an answer a line in order; a failed line answered empty, its
// number and reason on standard error, the rest answered and the status 1.
TEST(Cli, BatchAnswersEveryLineInItsPlace) {
    const CliRun run = Tallyvane("convert|-|--decimals|2", "",
                                 "5 ft m\n\n  # a comment\n1 furlong m\r\n\"1\" 'gal (UK)' l\n1 lb 4 oz g\n1 mhz Hz\n100 F C");
    EXPECT_EQ(run.out, "1.52\n\n4.55\n566.99\n\n37.78\n");
    EXPECT_EQ(run.err, "tallyvane: line 4: no unit 'furlong' in any category; tallyvane units CATEGORY lists them\n"
                       "tallyvane: line 7: unit 'mhz' could be mHz or MHz in Frequency; write it as the list shows it\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Tallyvane("convert|-", "", "1 km m\n").status, 0);
    EXPECT_EQ(Tallyvane("convert|-|--decimals|x", "", "1 km m\n").status, 2);  // the options are checked first
}

// Every pair of units of every category, there and back in the shortest
// form, returns the value to one part in 10^12.
TEST(Cli, ShortestAnswersGoThereAndBack) {
    for (int id = 0; id < tv::kCategoryCount; ++id) {
        const tv::UnitTable& table = tv::UnitTableFor(id);
        const std::string options = "|--decimals=shortest|--category=" + tv::cli::NarrowUtf8(tv::CategoryName(id));
        for (int a = 0; a < table.count; ++a) {
            for (int b = 0; b < table.count; ++b) {
                const std::string from = tv::cli::NarrowUtf8(table.names[a]), to = tv::cli::NarrowUtf8(table.names[b]);
                const std::string there = Tallyvane("convert|1.25|" + from + "|" + to + options).out;
                const CliRun back = Tallyvane("convert|" + there.substr(0, there.size() - 1) + "|" + to + "|" + from + options);
                EXPECT_NEAR(std::strtod(back.out.c_str(), nullptr), 1.25, 1.25e-12) << from << " " << to << ": " << there;
            }
        }
    }
}

// Asked for anywhere, even after a command it has not (the run test asks with --help).
TEST(Cli, HelpSummarisesEveryCommand) {
    const CliRun run = Tallyvane("frobnicate|-h");
    EXPECT_TRUE(run.status == 0 && run.err.empty() && run.out.rfind("usage: tallyvane COMMAND", 0) == 0);
    for (const char* part : {"convert VALUE FROM TO", "units [CATEGORY]", "base VALUE", "days FROM TO", "perm N K",
                             "comb N K", "fact N", "currency AMOUNT FROM TO", "--decimals N", "--group",
                             "the test's German format", "/home/u/Documents/CurRates.dat"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
}

// The C library's locale: its grouping bytes, and the format --group makes of
// them. A locale that does not group gets commas by three.
TEST(Cli, NumberFormatOfTheCLibraryLocale) {
    for (auto [bytes, grouping] : {std::pair<std::string_view, unsigned>{"\3", 3}, {"\3\2", 32}, {"\3\x7f", 30},
                                   {"\x7f", 0}, {std::string_view("\3\0\2", 3), 3}}) {
        EXPECT_EQ(tv::GroupingFromCLocale(bytes), grouping) << int(bytes[0]);
    }
    for (auto [point, separator, grouping, shown] :
         {std::tuple{L",", L".", "\3\2", L"12.34.567,50"}, {L".", L",", "\3\x7f", L"1234,567.50"},
          {L",", L".", "\x7f", L"1,234,567.50"}, {L",", L"\u202F", "\3", L"1\u202F234\u202F567,50"}}) {
        EXPECT_EQ(tv::ApplyNumberFormat(L"1234567.5", tv::cli::CLocaleNumberFormat(point, separator, grouping)), shown);
    }
}

// Beyond the basic plane both ways (the run test has the rest of UTF-8 on the
// command line); what is no UTF-8 reads as replacement characters.
TEST(Cli, Utf8BothWays) {
    EXPECT_EQ(tv::cli::NarrowUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");  // two UTF-16 units on Windows
    EXPECT_EQ(tv::cli::WidenUtf8("\xF0\x9F\x98\x80"), L"\U0001F600");
    for (auto [bytes, wide] : {std::pair<const char*, const wchar_t*>{"a\xFF" "b", L"a\uFFFDb"},
                               {"\xC0\xAF", L"\uFFFD\uFFFD"},  // overlong
                               {"\xED\xA0\x80", L"\uFFFD"},    // a surrogate
                               {"\xE2\x82" "A", L"\uFFFDA"}}) {  // cut short
        EXPECT_EQ(tv::cli::WidenUtf8(bytes), wide) << bytes;
    }
}
