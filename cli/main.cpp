// tallyvane: the converter's tables and tools from a command line. This file
// holds what differs between the platforms: the arguments' encoding, the
// locale's grouping and where the documents folder is.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/utf8_text.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>

#include "numfmt/locale_number_format.h"
#else
#include <clocale>
#include <cwchar>
#endif

namespace {

#ifdef _WIN32

std::string DocumentsFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) return std::string();
    return tv::cli::NarrowUtf8(folder);
}

#else

// The locale's multibyte text as wide text.
std::wstring LocaleText(const char* text) {
    std::mbstate_t state{};
    std::wstring wide;
    const char* p = text;
    const size_t length = std::mbsrtowcs(nullptr, &p, 0, &state);
    if (length == static_cast<size_t>(-1)) return std::wstring();
    wide.resize(length);
    p = text;
    state = std::mbstate_t{};
    std::mbsrtowcs(wide.data(), &p, length, &state);
    return wide;
}

std::string DocumentsFolder() {
    if (const char* xdg = std::getenv("XDG_DOCUMENTS_DIR"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/Documents";
    return std::string();
}

#endif

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    // The answers are UTF-8 ("cm²"); the console is told so.
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(tv::cli::NarrowUtf8(argv[i]));
    const tv::LocaleNumberGrouping grouping;
    const char* groupingNote = "the user's locale, as the program groups";
    const char* separator = "\\";
    const char* ratesNote = "in the Documents folder";
#else
int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_NUMERIC, "");
    const lconv* locale = std::localeconv();
    const tv::FormatNumberGrouping grouping(tv::cli::CLocaleNumberFormat(
        LocaleText(locale->decimal_point), LocaleText(locale->thousands_sep), locale->grouping));
    std::vector<std::string> args(argv + 1, argv + argc);
    const char* groupingNote =
        "the LC_NUMERIC locale's separators and group sizes; a locale\n"
        "                that does not group (C, POSIX) gets ',' in groups of 3 and a\n"
        "                '.' point";
    const char* separator = "/";
    const char* ratesNote = "in $XDG_DOCUMENTS_DIR, or else ~/Documents";
#endif
    tv::cli::CommandContext context;
    context.grouping = &grouping;
    context.groupingNote = groupingNote;
    const std::string documents = DocumentsFolder();
    if (!documents.empty()) context.defaultRates = documents + separator + "CurRates.dat";
    context.defaultRatesNote = ratesNote;
    context.readFile = tv::cli::ReadWholeFile;
    // convert - decides itself when to write its answers out (when no line
    // is waiting): standard input gets a buffer of its own, untied.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    context.input = &std::cin;
    context.version = TV_VERSION;
    const int status = tv::cli::RunCommand(args, context, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
