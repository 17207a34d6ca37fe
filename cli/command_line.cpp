#include "cli/command_line.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

#include "cli/utf8_text.h"
#include "money/exchange_rate_table.h"
#include "money/money_amounts.h"
#include "reference/data_text.h"
#include "settings/app_settings.h"
#include "tools/calculator_common.h"
#include "tools/day_count.h"
#include "tools/number_base.h"
#include "tools/permutations.h"
#include "units/unit_category.h"
#include "units/unit_names.h"
#include "units/unit_tables.h"

namespace tv::cli {
namespace {

// The answer of a command: its lines, or what was wrong.
struct Outcome {
    bool ok;
    std::string text;
    bool written = false;      // the command wrote its answers itself (a batch)
    bool batchFailed = false;  // and some line of it failed
};

// Where a command that streams its answers reads and writes.
struct Streams {
    std::istream* in;
    std::ostream& out;
    std::ostream& err;
};

Outcome Answer(std::string text) { return {true, std::move(text)}; }
Outcome Mistake(std::string text) { return {false, std::move(text)}; }

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text);
    quoted += '\'';
    return quoted;
}

// The options every command may be given, as bits.
enum OptionBit : unsigned {
    kCategoryOption = 1,
    kDecimalsOption = 2,
    kGroupOption = 4,
    kFromOption = 8,
    kRatesOption = 16,
};

struct OptionName {
    OptionBit bit;
    const char* name;
    bool takesValue;
};

const OptionName kOptionNames[] = {
    {kCategoryOption, "category", true}, {kDecimalsOption, "decimals", true}, {kGroupOption, "group", false},
    {kFromOption, "from", true},         {kRatesOption, "rates", true},
};

struct Arguments {
    std::vector<std::string> operands;  // the command's name first
    unsigned given = 0;
    bool help = false, version = false;
    std::string category, decimals, from, rates;
};

std::string* ValueSlot(Arguments& a, OptionBit bit) {
    switch (bit) {
        case kCategoryOption: return &a.category;
        case kDecimalsOption: return &a.decimals;
        case kFromOption: return &a.from;
        case kRatesOption: return &a.rates;
        default: return nullptr;
    }
}

// Options may stand anywhere; "--" ends them. A single '-' starts an operand,
// so that negative numbers need no quoting.
Outcome ReadArguments(const std::vector<std::string>& args, Arguments& a) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            if (arg == "-h" && !optionsEnded) {
                a.help = true;
                continue;
            }
            a.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        if (name == "help" || name == "version") {
            (name == "help" ? a.help : a.version) = true;
            continue;
        }
        const auto known = std::find_if(std::begin(kOptionNames), std::end(kOptionNames),
                                        [&](const OptionName& o) { return name == o.name; });
        if (known == std::end(kOptionNames)) return Mistake("unknown option " + Quoted("--" + name));
        a.given |= known->bit;
        if (!known->takesValue) {
            if (equals != std::string::npos) return Mistake("--" + name + " takes no value");
            continue;
        }
        std::string* slot = ValueSlot(a, known->bit);
        if (equals != std::string::npos) {
            *slot = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            *slot = args[++i];
        } else {
            return Mistake("--" + name + " needs a value");
        }
    }
    return Answer("");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A sign, digits with at most one point, and an exponent: what a number
// argument may be. The core's reader would take "12abc" as 12 and "abc" as 0;
// a script deserves to hear of the typing mistake instead.
bool IsDecimalNumber(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exponent = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == s.size();
}

bool IsWholeNumber(std::string_view s) {
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
    return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

// A number the program's field would cut short is refused rather than read in part.
std::optional<std::string> CheckNumber(std::string_view text, bool whole, size_t fieldChars, const char* what) {
    if (!(whole ? IsWholeNumber(text) : IsDecimalNumber(text))) {
        return std::string(what) + " " + Quoted(text) + " is not a" + (whole ? " whole" : "") + " number";
    }
    if (text.size() > fieldChars) {
        return std::string(what) + " " + Quoted(text) + " is longer than the " + std::to_string(fieldChars) +
               " characters the program reads";
    }
    return std::nullopt;
}

wchar_t FoldCase(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

bool Matches(std::wstring_view candidate, std::wstring_view name, bool ignoreCase) {
    return ignoreCase ? SameIgnoringCase(candidate, name) : candidate == name;
}

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
    return text;
}

std::string CategoryText(int id) { return NarrowUtf8(CategoryName(id)); }

std::string AllCategories() {
    std::vector<std::string> names;
    for (int id = 0; id < kCategoryCount; ++id) names.push_back(CategoryText(id));
    return Joined(names, ", ");
}

std::string UnitsOf(int id) {
    const UnitTable& table = UnitTableFor(id);
    std::vector<std::string> names;
    for (int i = 0; i < table.count; ++i) names.push_back(NarrowUtf8(table.names[i]));
    return Joined(names, ", ");
}

// The category named `name`, exactly or else ignoring case.
std::optional<int> FindCategory(std::string_view name) {
    const std::wstring wide = WidenUtf8(name);
    for (bool ignoreCase : {false, true}) {
        for (int id = 0; id < kCategoryCount; ++id) {
            if (Matches(CategoryName(id), wide, ignoreCase)) return id;
        }
    }
    return std::nullopt;
}

bool HasCategory(const std::vector<UnitPlace>& places, int id) {
    return std::any_of(places.begin(), places.end(), [id](const UnitPlace& p) { return p.category == id; });
}

std::string CategoriesOf(const std::vector<UnitPlace>& places) {
    std::vector<std::string> names;
    for (const UnitPlace& p : places) {
        const std::string name = CategoryText(p.category);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return Joined(names, ", ");
}

// A unit as written, and every place its name has.
struct NamedUnit {
    std::string name;
    std::vector<UnitPlace> places;
};

// The one position of the unit in `id`; an error when case alone leaves two.
Outcome PositionIn(const NamedUnit& unit, int id, int& position) {
    int found = 0;
    for (const UnitPlace& p : unit.places) {
        if (p.category == id) position = p.position, ++found;
    }
    if (found > 1) {
        std::vector<std::string> names;
        for (const UnitPlace& p : unit.places) {
            if (p.category == id) names.push_back(NarrowUtf8(UnitTableFor(id).names[p.position]));
        }
        return Mistake("unit " + Quoted(unit.name) + " could be " + Joined(names, " or ") + " in " + CategoryText(id) +
                       "; write it as the list shows it");
    }
    return Answer("");
}

// --decimals: the Options dialog's choices, any count from 0 to 15, or the
// shortest text that reads back as the same number.
constexpr int kUnlimitedDecimals = -1;
constexpr int kShortestDecimals = -2;
constexpr int kMostDecimals = 15;

struct ConvertOptions {
    std::optional<int> category;
    int decimals = 4;  // the Options dialog's default
    bool group = false;
    const NumberGrouping* grouping = nullptr;
};

Outcome ReadConvertOptions(const Arguments& a, const CommandContext& context, ConvertOptions& o) {
    o.group = (a.given & kGroupOption) != 0;
    o.grouping = context.grouping;
    if (a.given & kDecimalsOption) {
        const std::wstring decimals = WidenUtf8(a.decimals);
        if (SameIgnoringCase(decimals, L"unlimited") || decimals == L"(Unlimited)") {
            o.decimals = kUnlimitedDecimals;
        } else if (SameIgnoringCase(decimals, L"shortest")) {
            o.decimals = kShortestDecimals;
        } else if (IsWholeNumber(a.decimals) && IsDigit(a.decimals[0]) && a.decimals.size() <= 2 &&
                   std::stoi(a.decimals) <= kMostDecimals) {
            o.decimals = std::stoi(a.decimals);
        } else {
            return Mistake("--decimals takes unlimited, shortest or a whole number from 0 to 15, not " +
                           Quoted(a.decimals));
        }
    }
    if (a.given & kCategoryOption) {
        o.category = FindCategory(a.category);
        if (!o.category) return Mistake("no category " + Quoted(a.category) + "; the categories: " + AllCategories());
    }
    return Answer("");
}

std::wstring AnswerText(double value, const ConvertOptions& o) {
    if (o.decimals == kShortestDecimals) return ShortestNumberText(value, o.group ? o.grouping : nullptr);
    if (o.decimals == kUnlimitedDecimals) return FormatDisplayNumber(value, 0, o.group, *o.grouping);
    std::wstring raw = FixedText(value, o.decimals);
    if (!std::isfinite(value)) raw = kNotFiniteText;
    return o.group && std::isfinite(value) ? GroupedOrPlain(o.grouping->Group(raw, o.decimals), raw) : raw;
}

// Each category's converter, made when first asked for: a batch makes each once.
class Converters {
public:
    UnitCategory& For(int id) {
        if (!made_[id]) made_[id] = CreateUnitCategory(id, home_);
        return *made_[id];
    }

private:
    SettingsHome home_;  // a record of its own, never stored
    std::unique_ptr<UnitCategory> made_[kCategoryCount];
};

// How many characters of `s` make the number it starts with: a sign, digits
// with at most one point, an exponent only when digits follow it.
size_t NumberLength(std::string_view s) {
    size_t i = 0, digits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// A value and its unit: "5 ft", or glued, "5ft".
struct Part {
    double value;
    NamedUnit unit;
};

// The unit that `first` and as few of the words after it as make a name
// (up to three more: "fl oz (UK)") name; how many words it took, 0 for none.
size_t ReadUnit(const std::vector<std::string>& words, size_t at, std::string first, std::optional<int> only,
                NamedUnit& unit, size_t leave) {
    for (size_t extra = std::min<size_t>(3, words.size() - std::min(words.size(), at + leave));; --extra) {
        std::string name = first;
        for (size_t i = 0; i < extra; ++i) name += " " + words[at + i];
        std::vector<UnitPlace> places = FindUnitsNamed(WidenUtf8(name), only ? *only : -1);
        if (!places.empty()) {
            unit = {name, std::move(places)};
            return extra + 1;
        }
        if (extra == 0) return 0;
    }
}

Outcome NoUnit(const std::string& name, std::optional<int> only) {
    if (only) return Mistake("no unit " + Quoted(name) + " in " + CategoryText(*only) + "; its units: " + UnitsOf(*only));
    return Mistake("no unit " + Quoted(name) + " in any category; tallyvane units CATEGORY lists them");
}

// "VALUE FROM [VALUE FROM ...] TO", as words: the parts and the unit they go to.
Outcome ReadQuantity(const std::vector<std::string>& words, std::optional<int> only, std::vector<Part>& parts,
                     NamedUnit& to) {
    size_t at = 0;
    while (at < words.size()) {
        const std::string& word = words[at];
        const size_t length = NumberLength(word);
        if (length == 0 && !parts.empty()) break;  // the unit to go to
        std::string rest = word.substr(length);
        // A glued unit starts as no number goes on: "5ft", "-40°F", not "1,5".
        if (length == 0 || (!rest.empty() && std::string_view(".,+-0123456789").find(rest[0]) != std::string::npos))
            return Mistake("value " + Quoted(word) + " is not a number");
        if (auto wrong = CheckNumber(word.substr(0, length), false, 63, "value")) return Mistake(*wrong);
        const double value = ParseNumberText(WidenUtf8(word.substr(0, length)));
        ++at;
        if (rest.empty()) {
            if (at >= words.size()) break;
            rest = words[at++];
        }
        Part part{value, {}};
        const size_t took = ReadUnit(words, at, rest, only, part.unit, 1);
        if (!took) {
            return NoUnit(rest, only);
        }
        at += took - 1;
        parts.push_back(std::move(part));
    }
    if (parts.empty() || at >= words.size()) return Mistake("needs VALUE FROM TO (or - to read them from standard input)");
    std::string name = words[at];
    for (size_t i = at + 1; i < words.size(); ++i) name += " " + words[i];
    to = {name, FindUnitsNamed(WidenUtf8(name), only ? *only : -1)};
    if (to.places.empty()) {
        return NoUnit(name, only);
    }
    return Answer("");
}

// The parts' sum in unit `to` of category `id`.
Outcome SumIn(int id, const std::vector<Part>& parts, const NamedUnit& to, Converters& converters, double& sum) {
    if (id == kTemperature && parts.size() > 1) return Mistake("temperatures do not add; give one value");
    int toPosition = 0;
    if (Outcome one = PositionIn(to, id, toPosition); !one.ok) return one;
    sum = 0;
    for (const Part& part : parts) {
        int fromPosition = 0;
        if (Outcome one = PositionIn(part.unit, id, fromPosition); !one.ok) return one;
        sum += converters.For(id).Convert(part.value, fromPosition, toPosition);
    }
    return Answer("");
}

// One conversion, from its words: the answer's text.
Outcome ConvertWords(const std::vector<std::string>& words, const ConvertOptions& o, Converters& converters) {
    std::vector<Part> parts;
    NamedUnit to;
    if (Outcome read = ReadQuantity(words, o.category, parts, to); !read.ok) return read;
    std::vector<const NamedUnit*> units = {&to};
    for (const Part& part : parts) units.insert(units.end() - 1, &part.unit);
    std::vector<int> common;
    for (int id = 0; id < kCategoryCount; ++id) {
        if (std::all_of(units.begin(), units.end(), [id](const NamedUnit* u) { return HasCategory(u->places, id); }))
            common.push_back(id);
    }
    if (common.empty()) {
        std::vector<std::string> each;
        for (const NamedUnit* u : units) each.push_back(Quoted(u->name) + " (" + CategoriesOf(u->places) + ")");
        return Mistake(Joined(each, " and ") + " share no category");
    }
    // Categories that hold the same units answer alike ("1 mi km"): only
    // different answers need --category.
    double answer = 0;
    std::vector<std::string> differing;
    for (int id : common) {
        double sum = 0;
        if (Outcome one = SumIn(id, parts, to, converters, sum); !one.ok) return one;
        if (id == common.front()) answer = sum;
        else if (std::fabs(sum - answer) > 1e-12 * std::max(std::fabs(sum), std::fabs(answer))) differing.push_back(CategoryText(id));
    }
    if (!differing.empty()) {
        differing.insert(differing.begin(), CategoryText(common.front()));
        std::vector<std::string> names;
        for (const NamedUnit* u : units) names.push_back(Quoted(u->name));
        return Mistake("units " + Joined(names, " and ") + " are in several categories (" + Joined(differing, ", ") +
                       ") with different answers; choose one with --category");
    }
    const std::wstring text = AnswerText(answer, o);
    if (text == kNotFiniteText) return Mistake("the result is beyond the range of numbers (the converter shows Overflow)");
    return Answer(NarrowUtf8(text));
}

// A line of standard input as words: blanks part them, quotes keep blanks in
// one ("gal (UK)" or 'gal (UK)').
std::vector<std::string> WordsOf(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (char c : line) {
        if (quote) {
            if (c == quote) quote = 0;
            else word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord) words.push_back(std::exchange(word, {}));
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// convert -: a line of standard input at a time. The answers are written out
// whenever no further line is waiting, so that another program can hold a
// conversation with this one, and a file is answered without a write a line.
Outcome ConvertLines(const ConvertOptions& o, const Streams& s) {
    Converters converters;
    std::string line;
    bool failed = false;
    for (long number = 1; std::getline(*s.in, line); ++number) {
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        const Outcome one = ConvertWords(WordsOf(line), o, converters);
        if (!one.ok) {
            s.err << "tallyvane: line " << number << ": " << one.text << '\n';
            failed = true;
        }
        s.out << (one.ok ? one.text : std::string()) << '\n';
        if (s.in->rdbuf()->in_avail() <= 0) s.out.flush();
    }
    Outcome done = Answer("");
    done.written = true;
    done.batchFailed = failed;
    return done;
}

Outcome Convert(const Arguments& a, const CommandContext& context, const Streams& s) {
    ConvertOptions o;
    if (Outcome read = ReadConvertOptions(a, context, o); !read.ok) return read;
    if (a.operands.size() == 2 && a.operands[1] == "-") {
        if (!s.in) return Mistake("there is no standard input to read from");
        return ConvertLines(o, s);
    }
    Converters converters;
    return ConvertWords(std::vector<std::string>(a.operands.begin() + 1, a.operands.end()), o, converters);
}

Outcome Units(const Arguments& a, const CommandContext&, const Streams&) {
    if (a.operands.size() == 1) {
        std::vector<std::string> names;
        for (int id = 0; id < kCategoryCount; ++id) names.push_back(CategoryText(id));
        return Answer(Joined(names, "\n"));
    }
    const std::optional<int> id = FindCategory(a.operands[1]);
    if (!id) return Mistake("no category " + Quoted(a.operands[1]) + "; the categories: " + AllCategories());
    const UnitTable& table = UnitTableFor(*id);
    std::vector<std::string> names;
    for (int i = 0; i < table.count; ++i) names.push_back(NarrowUtf8(table.names[i]));
    return Answer(Joined(names, "\n"));
}

struct BaseName {
    NumberBase base;
    const char* shortName;
    const char* name;
};

// In the order the answer lists them.
const BaseName kBaseNames[] = {
    {NumberBase::kDecimal, "dec", "decimal"},
    {NumberBase::kHexadecimal, "hex", "hexadecimal"},
    {NumberBase::kOctal, "oct", "octal"},
    {NumberBase::kBinary, "bin", "binary"},
};

bool IsDigitIn(char c, NumberBase base) {
    switch (base) {
        case NumberBase::kBinary: return c == '0' || c == '1';
        case NumberBase::kOctal: return c >= '0' && c <= '7';
        case NumberBase::kHexadecimal: return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        default: return IsDigit(c);
    }
}

// Digits of the base: a sign only in decimal, "0x" only in hexadecimal. The
// dialog's reader is kinder to stray characters; a script's typo is not kept.
bool IsNumberIn(std::string_view s, NumberBase base) {
    if (base == NumberBase::kDecimal && !s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
    if (base == NumberBase::kHexadecimal && s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
    }
    return !s.empty() && std::all_of(s.begin(), s.end(), [base](char c) { return IsDigitIn(c, base); });
}

Outcome Base(const Arguments& a, const CommandContext& context, const Streams&) {
    const BaseName* input = &kBaseNames[0];
    if (a.given & kFromOption) {
        input = nullptr;
        for (const BaseName& b : kBaseNames) {
            if (SameIgnoringCase(WidenUtf8(a.from), WidenUtf8(b.shortName)) ||
                SameIgnoringCase(WidenUtf8(a.from), WidenUtf8(b.name))) {
                input = &b;
            }
        }
        if (!input) return Mistake("--from takes dec, hex, oct or bin, not " + Quoted(a.from));
    }
    const std::string& value = a.operands[1];
    if (!IsNumberIn(value, input->base)) return Mistake(Quoted(value) + " is no " + input->name + " number");
    const BaseValue read = ParseInBase(WidenUtf8(value), input->base);
    if (read.status != BaseParseStatus::kOk) return Mistake(NarrowUtf8(kTooLargeMessage.text));
    std::vector<std::string> lines;
    for (const BaseName& b : kBaseNames) {
        std::wstring text = FormatInBase(read.value, b.base);
        if (a.given & kGroupOption) text = GroupBaseDigits(text, b.base, *context.grouping);
        lines.push_back(NarrowUtf8(text));
    }
    return Answer(Joined(lines, "\n"));
}

// YYYY-MM-DD, the year of four or five digits as the count's range needs.
std::optional<DateTimeFields> ReadDate(std::string_view s) {
    const size_t dash = s.find('-');
    if (dash < 4 || dash > 5 || s.size() != dash + 6 || s[dash + 3] != '-') return std::nullopt;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i != dash && i != dash + 3 && !IsDigit(s[i])) return std::nullopt;
    }
    const auto number = [&](size_t from, size_t count) { return ReadLeadingInteger(WidenUtf8(s.substr(from, count))); };
    // A year beyond the record's 16 bits would wrap into the range.
    const long year = number(0, dash);
    DateTimeFields date;
    date.year = static_cast<uint16_t>(year > 30827 ? 0 : year);
    date.month = static_cast<uint16_t>(number(dash + 1, 2));
    date.day = static_cast<uint16_t>(number(dash + 4, 2));
    return date;
}

Outcome Days(const Arguments& a, const CommandContext&, const Streams&) {
    DateTimeFields dates[2];
    for (int i = 0; i < 2; ++i) {
        const std::string& text = a.operands[static_cast<size_t>(i) + 1];
        const std::optional<DateTimeFields> date = ReadDate(text);
        if (!date) return Mistake("date " + Quoted(text) + " is not written YYYY-MM-DD");
        if (!FileTimeTicks(*date)) {
            return Mistake("date " + Quoted(text) + " is no day from 1601-01-01 to 30827-12-31, which the count spans");
        }
        dates[i] = *date;
    }
    return Answer(NarrowUtf8(DaysBetweenText(dates[0], dates[1])));
}

Outcome Count(const Arguments& a, const CommandContext&, const Streams&) {
    const std::string& name = a.operands[0];
    const int formula = name == "perm" ? kPermutation : name == "comb" ? kCombination : kFactorial;
    CountInput inputs[2];
    for (size_t i = 1; i < a.operands.size(); ++i) {
        if (auto wrong = CheckNumber(a.operands[i], true, 31, i == 1 ? "N" : "K")) return Mistake(*wrong);
        inputs[i - 1] = ReadCountText(WidenUtf8(a.operands[i]));
    }
    const CountResult result = CalculateCount(formula, inputs[0], inputs[1]);
    switch (result.status) {
        case CalcStatus::kOk: return Answer(NarrowUtf8(CountText(result.value)));
        case CalcStatus::kInvalidValue:
            return Mistake(NarrowUtf8(kInvalidValueMessage.text) +
                           (formula == kFactorial ? " (N may not be negative)"
                                                  : " (N and K may not be negative, nor K larger than N)"));
        default: return Mistake(NarrowUtf8(kTooLargeMessage.text));
    }
}

// The code as the file lists it, or failing that in capitals; empty when
// the file gives it no worth.
std::wstring CodeIn(const ExchangeRateTable& table, std::string_view code) {
    std::wstring wide = WidenUtf8(code);
    if (table.ValueOf(wide) != 0.0) return wide;
    for (wchar_t& c : wide) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return table.ValueOf(wide) != 0.0 ? wide : std::wstring();
}

Outcome Currency(const Arguments& a, const CommandContext& context, const Streams&) {
    const std::string& amount = a.operands[1];
    if (auto wrong = CheckNumber(amount, false, kMoneyFieldReadChars, "amount")) return Mistake(*wrong);
    const std::string path = (a.given & kRatesOption) ? a.rates : context.defaultRates;
    if (path.empty()) return Mistake("no documents folder to find CurRates.dat in; name the rate file with --rates");
    const std::optional<std::string> bytes = context.readFile(path);
    if (!bytes) return Mistake("cannot read the rate file " + path);
    const std::optional<std::wstring> text = DecodeDataText(*bytes);
    if (!text) return Mistake("the rate file " + path + " holds no text");
    ExchangeRateTable table(WidenUtf8(path), CalendarDate{});
    table.LoadText(*text);

    std::wstring codes[2];
    for (int i = 0; i < 2; ++i) {
        const std::string& code = a.operands[static_cast<size_t>(i) + 2];
        codes[i] = CodeIn(table, code);
        if (codes[i].empty()) return Mistake("no rate for " + Quoted(code) + " in " + path);
    }
    const double rate = table.CrossRate(codes[0], codes[1]);
    if (rate == 0.0) return Mistake("the rates of " + path + " give no rate from " + a.operands[2] + " to " + a.operands[3]);
    // The converted amount is the amount times the rate as its field shows it.
    const std::wstring converted = ConvertedAmountText(WidenUtf8(amount), RateText(rate),
                                                       (a.given & kGroupOption) != 0, *context.grouping);
    if (converted == kNotFiniteText) return Mistake("the amount is beyond the range of numbers (the converter shows Overflow)");
    return Answer(NarrowUtf8(converted));
}

struct Command {
    const char* name;
    size_t operands;  // least; the most is `operands + optional`
    size_t optional;
    const char* synopsis;
    unsigned options;
    Outcome (*run)(const Arguments&, const CommandContext&, const Streams&);
};

const Command kCommands[] = {
    {"convert", 1, 62, "VALUE FROM TO", kCategoryOption | kDecimalsOption | kGroupOption, Convert},
    {"units", 0, 1, "[CATEGORY]", 0, Units},
    {"base", 1, 0, "VALUE", kFromOption | kGroupOption, Base},
    {"days", 2, 0, "YYYY-MM-DD YYYY-MM-DD", 0, Days},
    {"perm", 2, 0, "N K", 0, Count},
    {"comb", 2, 0, "N K", 0, Count},
    {"fact", 1, 0, "N", 0, Count},
    {"currency", 3, 0, "AMOUNT FROM TO", kRatesOption | kGroupOption, Currency},
};

std::string Usage(const CommandContext& context) {
    return "usage: tallyvane COMMAND ARGUMENTS [OPTIONS]\n"
           "\n"
           "  convert VALUE FROM TO [--category NAME] [--decimals N] [--group]\n"
           "      VALUE in unit FROM as unit TO, e.g. convert 100 F C. Units are named as the\n"
           "      converter's lists show them (\"km/h\", \"gal (UK)\") or as people write them\n"
           "      (metres, \u00B0C, degF, m2, sq ft, psi, tbsp, rpm), case ignored unless it\n"
           "      tells two apart (mHz, MHz). The value may be glued to its unit (5ft,\n"
           "      -40\u00B0F), and parts of one kind add up (5 ft 3 in m). A pair found in\n"
           "      several categories with different answers needs --category.\n"
           "  convert - [--category NAME] [--decimals N] [--group]\n"
           "      Lines VALUE FROM TO from standard input (blank lines and # comments\n"
           "      skipped; quotes keep a name's blanks), one answer a line, each written\n"
           "      as it is made. A failed line gets an empty answer and its reason on\n"
           "      standard error as \"line N: ...\", and the exit status is 1.\n"
           "  units [CATEGORY]\n"
           "      The categories, or the units of CATEGORY in list order.\n"
           "  base VALUE [--from dec|hex|oct|bin] [--group]\n"
           "      VALUE (decimal unless --from says otherwise) in 64 bits, on four lines:\n"
           "      decimal, hexadecimal, octal, binary. A negative decimal is its two's\n"
           "      complement, so its decimal line is unsigned.\n"
           "  days FROM TO\n"
           "      Days from date FROM to date TO (YYYY-MM-DD, 1601-01-01 to 30827-12-31),\n"
           "      negative when TO is earlier.\n"
           "  perm N K | comb N K | fact N\n"
           "      Permutations or combinations of K items from N, or N factorial, exact.\n"
           "  currency AMOUNT FROM TO [--rates FILE] [--group]\n"
           "      AMOUNT in currency FROM as currency TO, with two decimals, by the rates\n"
           "      of FILE (default: " + (context.defaultRates.empty() ? std::string("none") : context.defaultRates) +
           ",\n      " + context.defaultRatesNote + ").\n"
           "\n"
           "  --decimals N  Decimal places of convert: 0 to 15; unlimited (up to 14,\n"
           "                trailing zeros dropped, as the Options dialog's); or shortest,\n"
           "                the fewest digits that read back as the same number (in\n"
           "                exponent form below 1e-6 and from 1e15). Default 4.\n"
           "  --group       Digit grouping for convert, base and currency, by\n"
           "                " + context.groupingNote + ".\n"
           "                Base groups hexadecimal and binary by 4 and octal by 3.\n"
           "  --help        This summary.\n"
           "  --version     The version of tallyvane.\n"
           "\n"
           "The answer is printed alone, one number a line. A mistake is one line on\n"
           "standard error, and the exit status is 2.\n";
}

std::string OptionList(unsigned options) {
    std::vector<std::string> names;
    for (const OptionName& o : kOptionNames) {
        if (options & o.bit) names.push_back(std::string("--") + o.name);
    }
    return names.empty() ? "none" : Joined(names, ", ");
}

Outcome Run(const std::vector<std::string>& args, const CommandContext& context, const Streams& streams, bool& help) {
    Arguments a;
    if (Outcome read = ReadArguments(args, a); !read.ok) return read;
    help = a.help;
    if (a.help) return Answer(Usage(context));
    if (a.version) return Answer(std::string("tallyvane ") + context.version);
    if (a.operands.empty()) return Mistake("no command given; tallyvane --help lists them");
    const std::string& name = a.operands[0];
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [&](const Command& c) { return name == c.name; });
    if (command == std::end(kCommands)) {
        return Mistake("unknown command " + Quoted(name) + "; tallyvane --help lists them");
    }
    const size_t given = a.operands.size() - 1;
    if (given < command->operands || given > command->operands + command->optional) {
        return Mistake(name + " takes " + command->synopsis + ", not " + std::to_string(given) + " argument" +
                       (given == 1 ? "" : "s"));
    }
    const unsigned stray = a.given & ~command->options;
    for (const OptionName& o : kOptionNames) {
        if (stray & o.bit) {
            return Mistake(std::string("--") + o.name + " is no option of " + name + " (its options: " +
                           OptionList(command->options) + ")");
        }
    }
    Outcome outcome = command->run(a, context, streams);
    if (!outcome.ok) outcome.text = name + ": " + outcome.text;
    return outcome;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, const CommandContext& context, std::ostream& out,
               std::ostream& err) {
    bool help = false;
    const Outcome outcome = Run(args, context, {context.input, out, err}, help);
    if (!outcome.ok) {
        err << "tallyvane: " << outcome.text << '\n';
        return kExitError;
    }
    if (outcome.written) return outcome.batchFailed ? kExitSomeLinesFailed : kExitOk;
    out << outcome.text;
    if (!help) out << '\n';
    return kExitOk;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const std::u8string utf8(path.begin(), path.end());
    std::ifstream file(std::filesystem::path(utf8), std::ios::in | std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        bytes.append(chunk, static_cast<size_t>(file.gcount()));
        if (bytes.size() > kLargestDataFile) return std::nullopt;
    }
    if (file.bad()) return std::nullopt;
    return bytes;
}

NumberFormat CLocaleNumberFormat(std::wstring decimalPoint, std::wstring thousandsSep, std::string_view grouping) {
    NumberFormat format;  // two decimals, a leading zero, '-' before the number
    const unsigned sizes = GroupingFromCLocale(grouping);
    if (thousandsSep.empty() || sizes == 0) {
        format.grouping = 3;
        format.thousandSep = L",";
        format.decimalSep = L".";
        return format;
    }
    format.grouping = sizes;
    format.thousandSep = std::move(thousandsSep);
    format.decimalSep = decimalPoint.empty() ? L"." : std::move(decimalPoint);
    return format;
}

}  // namespace tv::cli
