// Throughput of the data file reader's text work: decoding, line splitting
// and the TAB field rule, on a generated 10 MiB file in each encoding.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "reference/code_list.h"
#include "reference/data_text.h"

namespace {

// City, region, code lines until `bytes` of 8-bit text.
std::string AnsiFile(size_t bytes) {
    std::string text;
    for (int i = 0; text.size() < bytes; ++i) {
        text += "City number " + std::to_string(i) + "\tRegion " + std::to_string(i % 97) + "\t" +
                std::to_string(100 + i % 900) + "\r\n";
    }
    return text + std::string(2, '\0');
}

std::string Utf16File(const std::string& ansi) {
    std::string bytes = "\xFF\xFE";
    for (char c : ansi) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

double Seconds(const std::string& file, size_t& rows) {
    const auto start = std::chrono::steady_clock::now();
    const auto text = tv::DecodeDataText(file);
    rows = text ? tv::ListRows(std::move(*text), tv::kCityAreaRows, tv::kMostCodeListRows).Count() : 0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor the machine sets: widening the same bytes into fresh memory.
double CopySeconds(const std::string& file) {
    const auto start = std::chrono::steady_clock::now();
    std::wstring copy(file.size(), L'\0');
    for (size_t i = 0; i < file.size(); ++i) copy[i] = static_cast<unsigned char>(file[i]);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return copy[file.size() / 2] == L'\x1' ? 0 : seconds;
}

}  // namespace

int main() {
    const std::string ansi = AnsiFile(10u * 1024 * 1024);
    const std::string utf16 = Utf16File(ansi.substr(0, ansi.size() - 2)) + std::string(2, '\0');
    for (const auto& [name, file] : {std::pair{"ANSI", &ansi}, std::pair{"UTF-16", &utf16}}) {
        double best = 1e9;
        size_t rows = 0;
        for (int run = 0; run < 5; ++run) best = std::min(best, Seconds(*file, rows));
        const double mib = file->size() / (1024.0 * 1024.0);
        double floor = 1e9;
        for (int run = 0; run < 5; ++run) floor = std::min(floor, CopySeconds(*file));
        std::printf("%-6s %.1f MiB, %zu rows: %.1f ms, %.0f MiB/s (best of 5; goal >= 200 MiB/s); "
                    "a bare widening copy: %.0f MiB/s\n",
                    name, mib, rows, best * 1000, mib / best, mib / floor);
    }
    return 0;
}
