// Throughput of the data file reader's text work on a generated 10 MiB file
// in each encoding: decoding, line splitting and the TAB field rule, every
// line made a row. Beside it, the decoding alone and the floor the machine
// sets for it: widening the same characters into fresh memory, nothing else.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "reference/code_list.h"
#include "reference/data_text.h"

namespace {

constexpr size_t kFileBytes = 10u * 1024 * 1024;

// Where the bare copy leaves a character, so that it is made at all.
volatile wchar_t g_kept;

// City, region, code lines, as many as fit in `bytes` of 8-bit text.
std::string Lines(size_t bytes, size_t& count) {
    std::string text;
    for (count = 0;; ++count) {
        const std::string line = "City number " + std::to_string(count) + "\tRegion " + std::to_string(count % 97) +
                                 "\t" + std::to_string(100 + count % 900) + "\r\n";
        if (text.size() + line.size() > bytes) return text;
        text += line;
    }
}

// The same characters after the UTF-16 mark.
std::string Utf16(const std::string& ansi) {
    std::string bytes = "\xFF\xFE";
    for (char c : ansi) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

constexpr int kRuns = 9;

// Best of kRuns, in seconds, for each of `works`, run in turn so that all see the same machine.
std::vector<double> BestInTurn(const std::vector<std::function<void()>>& works) {
    std::vector<double> best(works.size(), 1e9);
    for (int run = 0; run < kRuns; ++run) {
        for (size_t k = 0; k < works.size(); ++k) {
            const auto start = std::chrono::steady_clock::now();
            works[k]();
            best[k] = std::min(best[k], std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    return best;
}

// Runs of the same work on this machine differ by this much: a decoding
// within it of the copy is as fast as the copy.
constexpr double kNoise = 0.05;

// A file's bytes as the reader gets them: two zero bytes after the last.
struct File {
    const char* name;
    std::string bytes;
    size_t characters;
    size_t lines;
};

}  // namespace

#ifndef TV_BENCH_BUILD
#define TV_BENCH_BUILD "unknown build"
#endif

int main() {
    std::printf("data-file reader, built %s:\n", TV_BENCH_BUILD);
    size_t ansiLines = 0, utf16Lines = 0;
    const std::string ansi = Lines(kFileBytes - 2, ansiLines);
    const std::string halved = Lines(kFileBytes / 2 - 2, utf16Lines);
    const File files[] = {{"ANSI", ansi + std::string(2, '\0'), ansi.size(), ansiLines},
                          {"UTF-16", Utf16(halved) + std::string(2, '\0'), halved.size(), utf16Lines}};
    std::printf("best of %d runs each, the three measures taken in turn\n", kRuns);
    for (const File& file : files) {
        const double mib = file.bytes.size() / (1024.0 * 1024.0);
        size_t rows = 0, decoded = 0;
        // Each character, one byte or two, into a fresh wide string.
        const bool pairs = file.bytes[0] == '\xFF';
        const size_t step = pairs ? 2 : 1, from = pairs ? 2 : 0;
        const std::vector<double> best = BestInTurn({
            [&] {
                std::optional<std::wstring> text = tv::DecodeDataText(file.bytes);
                rows = text ? tv::ListRows(std::move(*text), tv::kCityAreaRows, tv::kMostCodeListRows).Count() : 0;
            },
            [&] { decoded = tv::DecodeDataText(file.bytes).value_or(L"").size(); },
            [&] {
                std::wstring copy(file.characters, L'\0');
                for (size_t i = 0; i < file.characters; ++i) {
                    copy[i] = static_cast<unsigned char>(file.bytes[from + i * step]);
                }
                g_kept = copy[file.characters / 2];
            },
        });
        const double whole = mib / best[0], alone = mib / best[1], bare = mib / best[2];
        std::printf("%-6s %.1f MiB, %zu rows of %zu lines: the whole read %.1f ms, %.0f MiB/s (goal >= 200) %s\n",
                    file.name, mib, rows, file.lines, best[0] * 1000, whole,
                    rows == file.lines && whole >= 200 ? "met" : "NOT MET");
        std::printf("       decoding alone (%zu characters) %.0f MiB/s, a bare widening copy %.0f MiB/s: ratio %.2f "
                    "(goal >= 1, within the %.0f %% the runs vary) %s\n",
                    decoded, alone, bare, alone / bare, kNoise * 100, alone / bare >= 1 - kNoise ? "met" : "NOT MET");
    }
    return 0;
}
