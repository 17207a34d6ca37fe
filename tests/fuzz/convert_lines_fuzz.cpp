// Lines for convert -, whatever their bytes: every line that is neither blank
// nor a comment gets one line of answer, a number or empty, in its place.
#include <sstream>

#include "cli/command_line.h"
#include "fuzz.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    static const tv::FormatNumberGrouping grouping(tv::NumberFormat{});
    tv::cli::CommandContext context;
    context.grouping = &grouping;
    std::istringstream in{std::string(bytes)};
    context.input = &in;
    std::ostringstream out, err;
    const int status = tv::cli::RunCommand({"convert", "-", "--decimals", "shortest"}, context, out, err);
    FUZZ_CHECK(status == tv::cli::kExitOk || status == tv::cli::kExitSomeLinesFailed);
    size_t lines = 0;
    std::istringstream again{std::string(bytes)};
    for (std::string line; std::getline(again, line);) {
        const size_t first = line.find_first_not_of(" \t\r");
        lines += first != std::string::npos && line[first] != '#';
    }
    size_t answers = 0;
    std::istringstream written(out.str());
    for (std::string answer; std::getline(written, answer); ++answers)
        FUZZ_CHECK(answer.empty() || answer.find_first_not_of("-0123456789.e+") == std::string::npos);
    FUZZ_CHECK(answers == lines && (status == tv::cli::kExitOk) == err.str().empty());
}
