// Checks the data files shipped beside the program, reading them with the
// program's own readers, and exits non-zero with one message per fault.
//
//     check_data_files [--xml RESULTS] [DATA_DIR [WLABELS_RC]]
//
// DATA_DIR defaults to the source tree's data/ and WLABELS_RC to its
// resources/wLabels.rc; RESULTS receives one test case per file for the
// test summary.
//
// Besides what the readers make of each file (its encoding, the lines, the
// rows), it checks what the format asks of the file: plain ASCII when 8-bit;
// no line the program cuts; Countries.dat's names in their 41 characters and
// calling codes after them; CityArea.dat's three TAB-separated fields; the
// sales-tax files' titles, dated by one year in all three, rates such as 7%,
// 9.975% or - up to 30%, and each province, state or EU member once; the
// currency files' three-letter codes, Euro.dat's in the euro converter's
// order; the rate file's day as YYYYMMDD, values above 0, EUR worth 1, codes
// of CurrencyCode.dat; wLabels.dat's right-aligned numbers, five groups and
// icons of wLabels.rc, whose icons each hold a 32x32 and a 64x64 image and are
// each used; lists sorted, no entry twice, and the long lists near the rows
// the program reserves for them.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tests/data/data_file_checks.h"

int main(int argc, char** argv) {
    std::string results;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--xml" && i + 1 < argc) {
            results = argv[++i];
        } else if (arg.starts_with("-") || paths.size() == 2) {
            std::cerr << "usage: check_data_files [--xml RESULTS] [DATA_DIR [WLABELS_RC]]\n";
            return 2;
        } else {
            paths.push_back(arg);
        }
    }
    const std::string data = paths.size() > 0 ? paths[0] : TV_SOURCE_DIR "/data";
    const std::string script = paths.size() > 1 ? paths[1] : TV_SOURCE_DIR "/resources/wLabels.rc";

    const std::vector<tv::datacheck::FileReport> reports = tv::datacheck::CheckDataFolder(data, script);
    size_t total = 0;
    for (const auto& report : reports) {
        for (const std::string& fault : report.faults) std::cerr << report.name << ": " << fault << '\n';
        total += report.faults.size();
    }
    if (!results.empty()) {
        const std::filesystem::path folder = std::filesystem::path(results).parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder);
        std::ofstream out(results);
        tv::datacheck::WriteResults(reports, out);
        if (!out) {
            std::cerr << "check_data_files: cannot write " << results << '\n';
            return 2;
        }
    }
    if (total) {
        std::cerr << "check_data_files: " << total << " faults\n";
        return 1;
    }
    std::cout << "check_data_files: " << reports.size() << " files checked, no faults\n";
    return 0;
}
