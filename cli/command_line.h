// The command-line companion's commands: the arguments read, the core asked,
// the answer written. Nothing here knows the platform; main.cpp supplies it.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "numfmt/number_text.h"

namespace tv::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeLinesFailed = 1;  // convert -: the others were answered
inline constexpr int kExitError = 2;

// What the platform provides. Paths and texts are UTF-8.
struct CommandContext {
    // The locale's grouping, for --group.
    const NumberGrouping* grouping = nullptr;
    // How that grouping is chosen, for the usage summary.
    std::string groupingNote;
    // The rate file read when --rates is not given; empty when there is no
    // documents folder to find it in.
    std::string defaultRates;
    // Where that default comes from, for the usage summary.
    std::string defaultRatesNote;
    // The whole content of a file, or nothing when it cannot be read.
    std::function<std::optional<std::string>(const std::string& path)> readFile;
    // Standard input, which convert - reads; nullptr where there is none.
    std::istream* input = nullptr;
    // What --version tells.
    const char* version = "";
};

// Runs one command line (the program's name not included): the answer goes
// to `out`, one line per number; a mistake to `err` as one line, with
// kExitError. convert - answers each line of the context's input as it
// comes, a failed line as an empty one, its reason on `err`.
int RunCommand(const std::vector<std::string>& args, const CommandContext& context, std::ostream& out,
               std::ostream& err);

// The bytes of the file at `path`, opened for reading only; nothing when it
// cannot be read or is larger than any data file.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The number format --group uses where the C library describes the locale:
// its decimal point, thousands separator and grouping bytes. A locale that
// does not group (the C and POSIX locales) gets ',' in groups of three with a
// '.' point. Money's own decimals are two.
NumberFormat CLocaleNumberFormat(std::wstring decimalPoint, std::wstring thousandsSep, std::string_view grouping);

}  // namespace tv::cli
