// The command-line companion's commands, driven as a script would call them:
// answers compared with known values, every mistake with its one line.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "cli/utf8_text.h"
#include "fake_number_grouping.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// German separators, so that the tests see which grouping the answer went through.
const FakeNumberGrouping kGerman(Format(L",", L"."));

const char kRates[] = "20191001\r\nUSD 1.0\r\nEUR 1.1\r\nJPY 0.009\r\nZZZ 0\r\n";

CliRun Tallyvane(std::vector<std::string> args, std::map<std::string, std::string> files = {},
              std::string defaultRates = "/home/u/Documents/CurRates.dat") {
    tv::cli::CommandContext context;
    context.grouping = &kGerman;
    context.groupingNote = "the test's German format";
    context.defaultRates = std::move(defaultRates);
    context.defaultRatesNote = "the test's";
    context.readFile = [files](const std::string& path) -> std::optional<std::string> {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    };
    std::ostringstream out;
    std::ostringstream err;
    const int status = tv::cli::RunCommand(args, context, out, err);
    return {status, out.str(), err.str()};
}

// The answer of a command that must succeed, without its line end.
std::string Answer(std::vector<std::string> args, std::map<std::string, std::string> files = {}) {
    const CliRun run = Tallyvane(std::move(args), std::move(files));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(!run.out.empty() && run.out.back() == '\n') << run.out;
    return run.out.empty() ? run.out : run.out.substr(0, run.out.size() - 1);
}

// The message of a command that must fail: exit status 2, nothing on
// standard output, one line on standard error.
std::string Mistake(std::vector<std::string> args, std::map<std::string, std::string> files = {}) {
    const CliRun run = Tallyvane(std::move(args), std::move(files));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.err.rfind("tallyvane: ", 0), 0u) << run.err;
    return run.err;
}

bool Says(const std::string& message, const std::string& part) { return message.find(part) != std::string::npos; }

}  // namespace

TEST(CliConvert, ConvertsByTheConverterTables) {
    EXPECT_EQ(Answer({"convert", "100", "F", "C"}), "37.7778");
    EXPECT_EQ(Answer({"convert", "-40", "C", "F"}), "-40.0000");
    EXPECT_EQ(Answer({"convert", "0", "K", "C"}), "-273.1500");
    EXPECT_EQ(Answer({"convert", "100", "km/h", "m/s"}), "27.7778");
    EXPECT_EQ(Answer({"convert", "1", "gal (UK)", "l"}), "4.5461");
    EXPECT_EQ(Answer({"convert", "1", "ft lb-f/s", "W"}), "1.3558");
    EXPECT_EQ(Answer({"convert", "1", "m\xC2\xB2", "cm\xC2\xB2"}), "10000.0000");
    EXPECT_EQ(Answer({"convert", "2.5e1", "mm", "cm"}), "2.5000");
    EXPECT_EQ(Answer({"convert", ".5", "t", "kg"}), "500.0000");
}

TEST(CliConvert, NamesExactlyFirstThenIgnoringCase) {
    EXPECT_EQ(Answer({"convert", "1", "KG", "G"}), "1000.0000");
    EXPECT_EQ(Answer({"convert", "100", "f", "c"}), "37.7778");
    EXPECT_EQ(Answer({"convert", "1", "MHz", "kHz"}), "1000.0000");  // the list spells it "khz"
    EXPECT_EQ(Answer({"convert", "1000", "mHz", "Hz"}), "1.0000");    // exact: not "MHz"
    const std::string twoUnits = Mistake({"convert", "1", "MHZ", "Hz"});
    EXPECT_TRUE(Says(twoUnits, "'MHZ' could be mHz or MHz in Frequency")) << twoUnits;
}

TEST(CliConvert, ANameOfSeveralCategoriesNeedsOne) {
    const std::string several = Mistake({"convert", "1", "mi", "km"});
    EXPECT_TRUE(Says(several, "(Length, Astronomical)")) << several;
    EXPECT_TRUE(Says(several, "--category")) << several;
    EXPECT_EQ(Answer({"convert", "1", "mi", "km", "--category", "Length"}), "1.6093");
    EXPECT_EQ(Answer({"convert", "2", "mi", "km", "--category=astronomical"}), "3.2187");
    EXPECT_EQ(Answer({"convert", "1", "km", "m", "--category", "Length"}), "1000.0000");
    // A pair that only one category holds needs none.
    EXPECT_EQ(Answer({"convert", "1", "mi", "yd"}), "1760.0000");

    const std::string noCategory = Mistake({"convert", "1", "km", "m", "--category", "Lengths"});
    EXPECT_TRUE(Says(noCategory, "no category 'Lengths'; the categories: Temperature, Mass")) << noCategory;
    const std::string notThere = Mistake({"convert", "1", "kg", "g", "--category", "Length"});
    EXPECT_TRUE(Says(notThere, "no unit 'kg' in Length; its units: mm, cm, m, km, mi, yd, ft, in")) << notThere;
    const std::string apart = Mistake({"convert", "1", "km", "m/s"});
    EXPECT_TRUE(Says(apart, "'km' (Length, Astronomical) and 'm/s' (Speed) share no category")) << apart;
    const std::string unknown = Mistake({"convert", "1", "furlong", "m"});
    EXPECT_TRUE(Says(unknown, "no unit 'furlong'")) << unknown;
}

TEST(CliConvert, DecimalsAsTheOptionsDialogOffersThem) {
    EXPECT_EQ(Answer({"convert", "1", "lb", "kg", "--decimals", "8"}), "0.45359238");
    EXPECT_EQ(Answer({"convert", "1", "lb", "kg", "--decimals", "2"}), "0.45");
    EXPECT_EQ(Answer({"convert", "1", "lb", "kg", "--decimals", "6"}), "0.453592");
    EXPECT_EQ(Answer({"convert", "1", "in", "cm", "--decimals", "unlimited"}), "2.54");
    EXPECT_EQ(Answer({"convert", "1", "in", "cm", "--decimals=(Unlimited)"}), "2.54");
    // Unlimited keeps the point of a whole number, as the result field does.
    EXPECT_EQ(Answer({"convert", "1", "kg", "g", "--decimals", "unlimited"}), "1000.");
    for (const char* refused : {"0", "3", "10", "", "four"}) {
        const std::string wrong = Mistake({"convert", "1", "kg", "g", "--decimals", refused});
        EXPECT_TRUE(Says(wrong, "--decimals takes unlimited, 2, 4, 6 or 8")) << wrong;
    }
}

TEST(CliConvert, GroupsThroughTheLocaleAndRefusesWhatIsNoNumber) {
    EXPECT_EQ(Answer({"convert", "1", "Petabytes", "Bytes", "--group"}), "1.125.899.906.842.624,0000");
    EXPECT_EQ(Answer({"convert", "1", "Petabytes", "Bytes"}), "1125899906842624.0000");
    EXPECT_EQ(Answer({"convert", "1234.5", "m", "mm", "--category", "Length", "--group", "--decimals", "unlimited"}),
              "1.234.500,00000000");
    for (const char* refused : {"12abc", "abc", "", "1,5", "0x10", "inf", "nan", "1e", "+", "1.2.3"}) {
        const std::string wrong = Mistake({"convert", refused, "kg", "g"});
        EXPECT_TRUE(Says(wrong, "is not a number")) << wrong;
    }
    const std::string tooLong = Mistake({"convert", "1" + std::string(63, '0'), "kg", "g"});
    EXPECT_TRUE(Says(tooLong, "longer than the 63 characters")) << tooLong;
    const std::string overflow = Mistake({"convert", "1e308", "Petabytes", "Bits"});
    EXPECT_TRUE(Says(overflow, "Overflow")) << overflow;
}

TEST(CliUnits, ListsCategoriesAndUnitsInListOrder) {
    EXPECT_EQ(Answer({"units"}),
              "Temperature\nMass\nLength\nVolume\nArea\nComputer\nSpeed\nPower\nTorque\nForce\nPressure\nEnergy\n"
              "Astronomical\nFrequency");
    EXPECT_EQ(Answer({"units", "length"}), "mm\ncm\nm\nkm\nmi\nyd\nft\nin");
    EXPECT_EQ(Answer({"units", "Temperature"}), "C\nF\nK");
    const std::string area = Answer({"units", "Area"});
    EXPECT_EQ(area.substr(0, area.find('\n')), "cm\xC2\xB2");
    const std::string wrong = Mistake({"units", "Colour"});
    EXPECT_TRUE(Says(wrong, "no category 'Colour'; the categories: Temperature, Mass, Length")) << wrong;
    EXPECT_TRUE(Says(Mistake({"units", "Mass", "Length"}), "units takes [CATEGORY], not 2 arguments"));
}

TEST(CliBase, FourBasesAsTheConverterShowsThem) {
    EXPECT_EQ(Answer({"base", "255"}), "255\nFF\n377\n11111111");
    EXPECT_EQ(Answer({"base", "0"}), "0\n0\n0\n0000");
    EXPECT_EQ(Answer({"base", "-1"}),
              "18446744073709551615\nFFFFFFFFFFFFFFFF\n1777777777777777777777\n" + std::string(64, '1'));
    EXPECT_EQ(Answer({"base", "-9223372036854775808"}),
              "9223372036854775808\n8000000000000000\n1000000000000000000000\n1" + std::string(63, '0'));
    EXPECT_EQ(Answer({"base", "ff", "--from", "hex"}), "255\nFF\n377\n11111111");
    EXPECT_EQ(Answer({"base", "0x1F", "--from", "hexadecimal"}), "31\n1F\n37\n00011111");
    EXPECT_EQ(Answer({"base", "777", "--from", "oct"}), "511\n1FF\n777\n000111111111");
    EXPECT_EQ(Answer({"base", "101", "--from", "BIN"}), "5\n5\n5\n0101");
    EXPECT_EQ(Answer({"base", "65535", "--group"}), "65.535\nFFFF\n177 777\n1111 1111 1111 1111");
}

TEST(CliBase, SixtyFourBitsAtMostAndDigitsOfTheBase) {
    for (const char* large : {"18446744073709551616", "-9223372036854775809"}) {
        EXPECT_EQ(Mistake({"base", large}), "tallyvane: base: The number is too large.\n");
    }
    EXPECT_EQ(Mistake({"base", "1" + std::string(64, '0'), "--from", "bin"}),
              "tallyvane: base: The number is too large.\n");
    EXPECT_EQ(Mistake({"base", "10000000000000000", "--from", "hex"}), "tallyvane: base: The number is too large.\n");
    EXPECT_EQ(Answer({"base", "FFFFFFFFFFFFFFFF", "--from", "hex"}).substr(0, 20), "18446744073709551615");
    EXPECT_TRUE(Says(Mistake({"base", "12a"}), "'12a' is no decimal number"));
    EXPECT_TRUE(Says(Mistake({"base", "9", "--from", "oct"}), "'9' is no octal number"));
    EXPECT_TRUE(Says(Mistake({"base", "12", "--from", "bin"}), "'12' is no binary number"));
    EXPECT_TRUE(Says(Mistake({"base", "-1", "--from", "hex"}), "is no hexadecimal number"));
    EXPECT_TRUE(Says(Mistake({"base", ""}), "'' is no decimal number"));
    EXPECT_TRUE(Says(Mistake({"base", "1", "--from", "roman"}), "--from takes dec, hex, oct or bin, not 'roman'"));
}

TEST(CliDays, CountsAsTheDialogDoes) {
    EXPECT_EQ(Answer({"days", "2000-01-01", "2000-12-31"}), "365");
    EXPECT_EQ(Answer({"days", "2024-03-01", "2024-02-01"}), "-29");
    EXPECT_EQ(Answer({"days", "1999-12-31", "1999-12-31"}), "0");
    EXPECT_EQ(Answer({"days", "1601-01-01", "9999-12-31"}), "3067670");
    EXPECT_EQ(Answer({"days", "1601-01-01", "30827-12-31"}), "10674941");
    for (const char* refused : {"2023-02-29", "1600-12-31", "30828-01-01", "70000-01-01", "2024-13-01"}) {
        const std::string wrong = Mistake({"days", refused, "2024-01-01"});
        EXPECT_TRUE(Says(wrong, std::string("date '") + refused + "' is no day from 1601-01-01")) << wrong;
    }
    for (const char* refused : {"2024/01/01", "24-01-01", "2024-1-01", "2024-01-1x", "", "2024-01-01T00"}) {
        const std::string wrong = Mistake({"days", "2024-01-01", refused});
        EXPECT_TRUE(Says(wrong, "is not written YYYY-MM-DD")) << wrong;
    }
}

TEST(CliCounts, ExactOrTheCalculatorsMessages) {
    EXPECT_EQ(Answer({"perm", "5", "3"}), "60");
    EXPECT_EQ(Answer({"perm", "20", "20"}), "2432902008176640000");
    EXPECT_EQ(Answer({"comb", "52", "5"}), "2598960");
    EXPECT_EQ(Answer({"comb", "67", "33"}), "14226520737620288370");
    EXPECT_EQ(Answer({"fact", "0"}), "1");
    EXPECT_EQ(Answer({"fact", "20"}), "2432902008176640000");
    EXPECT_EQ(Mistake({"fact", "21"}), "tallyvane: fact: The number is too large.\n");
    EXPECT_EQ(Mistake({"comb", "68", "34"}), "tallyvane: comb: The number is too large.\n");
    EXPECT_EQ(Mistake({"perm", "99999999999999999999", "1"}), "tallyvane: perm: The number is too large.\n");
    EXPECT_TRUE(Says(Mistake({"perm", "3", "5"}), "perm: Invalid value. (N and K may not be negative"));
    EXPECT_TRUE(Says(Mistake({"comb", "-1", "0"}), "comb: Invalid value."));
    EXPECT_TRUE(Says(Mistake({"fact", "-3"}), "fact: Invalid value. (N may not be negative)"));
    EXPECT_TRUE(Says(Mistake({"perm", "5", "x"}), "K 'x' is not a whole number"));
    EXPECT_TRUE(Says(Mistake({"fact", "2.5"}), "N '2.5' is not a whole number"));
    EXPECT_TRUE(Says(Mistake({"fact", std::string(32, '0') + "5"}), "longer than the 31 characters"));
    EXPECT_TRUE(Says(Mistake({"fact", "5", "3"}), "fact takes N, not 2 arguments"));
}

TEST(CliCurrency, ConvertsAsTheCurrencyDialogShows) {
    const std::map<std::string, std::string> files = {{"rates.dat", kRates},
                                                      {"/home/u/Documents/CurRates.dat", kRates}};
    EXPECT_EQ(Answer({"currency", "100", "EUR", "USD", "--rates", "rates.dat"}, files), "110.00");
    // The rate shows six decimals and the amount is multiplied by that: 0.909091.
    EXPECT_EQ(Answer({"currency", "100000", "USD", "EUR", "--rates", "rates.dat"}, files), "90909.10");
    EXPECT_EQ(Answer({"currency", "100", "usd", "eur", "--rates", "rates.dat"}, files), "90.91");
    EXPECT_EQ(Answer({"currency", "1000000", "USD", "JPY", "--group", "--rates", "rates.dat"}, files),
              "111.111.111,00");
    EXPECT_EQ(Answer({"currency", "2", "EUR", "EUR"}, files), "2.00");  // the default rate file

    // Windows' own UTF-16 form of the file reads the same.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string(kRates)) utf16 += std::string{c, '\0'};
    EXPECT_EQ(Answer({"currency", "100", "EUR", "USD", "--rates", "u.dat"}, {{"u.dat", utf16}}), "110.00");
}

TEST(CliCurrency, NamesTheFileOrCodeThatFails) {
    const std::map<std::string, std::string> files = {{"rates.dat", kRates}, {"mark.dat", "\xFF\xFE"}};
    EXPECT_TRUE(Says(Mistake({"currency", "1", "EUR", "USD", "--rates", "gone.dat"}, files),
                     "cannot read the rate file gone.dat"));
    EXPECT_TRUE(Says(Mistake({"currency", "1", "EUR", "USD"}, files),
                     "cannot read the rate file /home/u/Documents/CurRates.dat"));
    EXPECT_TRUE(Says(Mistake({"currency", "1", "EUR", "USD", "--rates", "mark.dat"}, files),
                     "the rate file mark.dat holds no text"));
    EXPECT_TRUE(Says(Mistake({"currency", "1", "XYZ", "USD", "--rates", "rates.dat"}, files),
                     "no rate for 'XYZ' in rates.dat"));
    EXPECT_TRUE(Says(Mistake({"currency", "1", "EUR", "ZZZ", "--rates", "rates.dat"}, files),
                     "no rate for 'ZZZ'"));  // listed with no worth
    EXPECT_TRUE(Says(Mistake({"currency", "ten", "EUR", "USD", "--rates", "rates.dat"}, files),
                     "amount 'ten' is not a number"));
    EXPECT_TRUE(Says(Mistake({"currency", "1" + std::string(32, '0'), "EUR", "USD", "--rates", "rates.dat"}, files),
                     "longer than the 32 characters"));
    EXPECT_TRUE(Says(Mistake({"currency", "1e308", "USD", "JPY", "--rates", "rates.dat"}, files), "Overflow"));

    const CliRun noFolder = Tallyvane({"currency", "1", "EUR", "USD"}, files, "");
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_TRUE(Says(noFolder.err, "name the rate file with --rates")) << noFolder.err;
}

TEST(CliCurrency, ReadsTheShippedSampleFile) {
    tv::cli::CommandContext context;
    context.grouping = &kGerman;
    context.readFile = tv::cli::ReadWholeFile;
    std::ostringstream out;
    std::ostringstream err;
    const std::string sample = std::string(TV_SOURCE_DIR) + "/data/sample/CurRates.dat";
    // 100 euros at the sample's rate as the dialog shows it, 1.089800 dollars.
    EXPECT_EQ(tv::cli::RunCommand({"currency", "100", "EUR", "USD", "--rates", sample}, context, out, err), 0)
        << err.str();
    EXPECT_EQ(out.str(), "108.98\n");
    EXPECT_EQ(tv::cli::ReadWholeFile(sample + ".missing"), std::nullopt);
    EXPECT_EQ(tv::cli::ReadWholeFile(std::string(TV_SOURCE_DIR) + "/data"), std::nullopt);  // a folder
}

TEST(CliArguments, MistakesOfTheCommandLine) {
    EXPECT_TRUE(Says(Mistake({}), "no command given"));
    EXPECT_TRUE(Says(Mistake({"conv", "1", "kg", "g"}), "unknown command 'conv'"));
    EXPECT_TRUE(Says(Mistake({"convert", "1", "kg"}), "convert takes VALUE FROM TO, not 2 arguments"));
    EXPECT_TRUE(Says(Mistake({"days", "2024-01-01"}), "days takes YYYY-MM-DD YYYY-MM-DD, not 1 argument"));
    EXPECT_TRUE(Says(Mistake({"convert", "1", "kg", "g", "--colour"}), "unknown option '--colour'"));
    EXPECT_TRUE(Says(Mistake({"convert", "1", "kg", "g", "--decimals"}), "--decimals needs a value"));
    EXPECT_TRUE(Says(Mistake({"convert", "1", "kg", "g", "--group=yes"}), "--group takes no value"));
    EXPECT_TRUE(Says(Mistake({"convert", "1", "kg", "g", "--rates", "x"}),
                     "--rates is no option of convert (its options: --category, --decimals, --group)"));
    EXPECT_TRUE(Says(Mistake({"days", "2024-01-01", "2024-01-02", "--group"}), "its options: none"));
    EXPECT_TRUE(Says(Mistake({"fact", "5", "--decimals", "2"}), "--decimals is no option of fact"));
    // Options stand anywhere; after "--" even a word that starts like one is an operand.
    EXPECT_EQ(Answer({"--decimals", "2", "convert", "1", "lb", "kg"}), "0.45");
    EXPECT_EQ(Answer({"convert", "--", "-40", "C", "F"}), "-40.0000");
    EXPECT_TRUE(Says(Mistake({"units", "--", "--group"}), "no category '--group'"));
}

TEST(CliArguments, HelpSummarisesEveryCommand) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"convert", "--help"}, {"-h"}, {"frobnicate", "--help"}}) {
        const CliRun run = Tallyvane(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind("usage: tallyvane COMMAND", 0), 0u);
        for (const char* command : {"convert VALUE FROM TO", "units [CATEGORY]", "base VALUE", "days FROM TO",
                                    "perm N K", "comb N K", "fact N", "currency AMOUNT FROM TO", "--decimals N",
                                    "--group", "the test's German format", "/home/u/Documents/CurRates.dat"}) {
            EXPECT_TRUE(Says(run.out, command)) << command;
        }
    }
}

TEST(CliPlatform, NumberFormatOfTheCLibraryLocale) {
    const tv::NumberFormat german = tv::cli::CLocaleNumberFormat(L",", L".", "\3");
    EXPECT_EQ(tv::ApplyNumberFormat(L"-1234567.5", german), L"-1.234.567,50");
    const tv::NumberFormat indian = tv::cli::CLocaleNumberFormat(L".", L",", "\3\2");
    EXPECT_EQ(tv::ApplyNumberFormat(L"123456789", indian), L"12,34,56,789.00");
    // The C locale, and a locale that says it does not group: commas by three.
    for (const tv::NumberFormat& plain :
         {tv::cli::CLocaleNumberFormat(L".", L"", ""), tv::cli::CLocaleNumberFormat(L",", L".", "\x7f")}) {
        EXPECT_EQ(tv::ApplyNumberFormat(L"1234567.5", plain), L"1,234,567.50");
    }
    const tv::NumberFormat french = tv::cli::CLocaleNumberFormat(L",", L"\u202F", "\3");
    EXPECT_EQ(tv::ApplyNumberFormat(L"1234.5", french), L"1\u202F234,50");
}

TEST(CliPlatform, Utf8BothWays) {
    using tv::cli::NarrowUtf8;
    using tv::cli::WidenUtf8;
    EXPECT_EQ(WidenUtf8("cm\xC2\xB2"), L"cm\u00B2");
    EXPECT_EQ(WidenUtf8("\xC2\xB0/h"), L"\u00B0/h");
    EXPECT_EQ(NarrowUtf8(L"1\u202F234"), "1\xE2\x80\xAF" "234");
    const std::string face = "\xF0\x9F\x98\x80";  // beyond the basic plane
    EXPECT_EQ(NarrowUtf8(WidenUtf8(face)), face);
    EXPECT_EQ(WidenUtf8(face).size(), sizeof(wchar_t) == 2 ? 2u : 1u);
    // What is no UTF-8 still reads, as replacement characters.
    EXPECT_EQ(WidenUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(WidenUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");         // overlong
    EXPECT_EQ(WidenUtf8("\xE2\x82"), L"\uFFFD");               // cut short
    EXPECT_EQ(WidenUtf8("\xED\xA0\x80"), L"\uFFFD");           // a surrogate
    EXPECT_EQ(WidenUtf8("\xE2\x82" "A"), L"\uFFFDA");          // the next character survives
}
