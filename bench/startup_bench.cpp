// Start-up time of TallyvanePro.exe against a minimal window program, both
// started the same way: from CreateProcess until the new process waits for
// input. Also the working set once started, the size of the program, and
// where the time goes: the build of the program with timing marks
// (TallyvanePro_marks.exe) started as many times again.
//   startup_bench.exe [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_timing.h"

namespace {

using bench::CounterMs;
using bench::Median;

std::wstring Folder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L"\\/") + 1);
}

struct Run {
    double ms;
    SIZE_T workingSet;
    LONGLONG start, ready;  // performance counter at CreateProcess and at ready for input
};

// Starts `exe`, waits until it is ready for input, measures, then closes the
// window of `windowClass` and waits for the process to end.
bool StartOnce(const std::wstring& exe, const wchar_t* windowClass, Run& run) {
    LARGE_INTEGER start, ready;
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring commandLine = L"\"" + exe + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    const DWORD idle = WaitForInputIdle(pi.hProcess, 20000);
    QueryPerformanceCounter(&ready);
    run.ms = CounterMs(ready.QuadPart - start.QuadPart);
    run.start = start.QuadPart;
    run.ready = ready.QuadPart;
    PROCESS_MEMORY_COUNTERS counters = {sizeof counters};
    run.workingSet = GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters) ? counters.WorkingSetSize : 0;

    HWND window = nullptr;
    for (int i = 0; i < 200 && !window; ++i) {
        window = FindWindowW(windowClass, nullptr);
        if (!window) Sleep(10);
    }
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return idle == 0 && window != nullptr;
}

// The marks of the started programs, step by step: each step's time from
// the end of the step before it (the first from CreateProcess), in the order
// the steps first came, then from the last mark to ready for input.
class Breakdown {
public:
    Breakdown() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        file_ = std::wstring(temp) + L"tv-startup-marks.txt";
    }
    ~Breakdown() { DeleteFileW(file_.c_str()); }

    // Starts `exe` with marks asked for; false when it did not start.
    bool Start(const std::wstring& exe, const wchar_t* windowClass, Run& run) {
        DeleteFileW(file_.c_str());
        SetEnvironmentVariableW(L"TV_STARTUP_MARKS_FILE", file_.c_str());
        const bool started = StartOnce(exe, windowClass, run);
        SetEnvironmentVariableW(L"TV_STARTUP_MARKS_FILE", nullptr);
        if (started) Read(run);
        return started;
    }

    void Print(const wchar_t* title) const {
        std::printf("%ls:\n", title);
        for (const std::string& step : order_) std::printf("  %-26s %6.1f ms\n", step.c_str(), Median(steps_.at(step)));
        std::printf("  %-26s %6.1f ms\n", "start to ready, in all", Median(total_));
    }

private:
    void Read(const Run& run) {
        FILE* file = _wfopen(file_.c_str(), L"r");
        if (!file) return;
        LONGLONG previous = run.start, counter = 0;
        char step[64];
        std::map<std::string, bool> seen;
        while (std::fscanf(file, "%lld %63[^\n]", &counter, step) == 2) {
            // A step that comes again (a later paint) is no longer start-up.
            if (seen[step] || counter > run.ready) continue;
            seen[step] = true;
            Add(step, CounterMs(counter - previous));
            previous = counter;
        }
        std::fclose(file);
        Add("(to ready for input)", CounterMs(run.ready - previous));
        total_.push_back(run.ms);
    }
    void Add(const std::string& step, double ms) {
        if (steps_.find(step) == steps_.end()) order_.push_back(step);
        steps_[step].push_back(ms);
    }

    std::wstring file_;
    std::vector<std::string> order_;
    std::map<std::string, std::vector<double>> steps_;
    std::vector<double> total_;
};

// One program the benchmark starts in each round, and what it measured.
struct Started {
    const wchar_t* exe;
    const wchar_t* windowClass;
    const char* label;   // in the table; nullptr for the marked program, which is not in it
    bool marks;          // started with marks asked for, and its steps shown
    std::vector<double> ms, workingSets;
    Breakdown steps;

    double Ms() const { return Median(ms); }
    double Megabytes() const { return Median(workingSets) / (1024.0 * 1024.0); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    // The empty window marks its one step too: what any program pays before its own code runs.
    Started started[] = {
        {L"TallyvanePro.exe", L"TALLYVANEPRO", "TallyvanePro.exe", false},
        {L"empty_window.exe", L"TallyvaneBenchEmpty", "empty window", true},
        {L"empty_classic_controls.exe", L"TallyvaneBenchEmpty", "empty window, the main window's 27 plain controls",
         false},
        {L"empty_controls.exe", L"TallyvaneBenchEmpty", "the same, the manifest and the common controls", true},
        {L"TallyvanePro_marks.exe", L"TALLYVANEPRO", nullptr, true},
    };
    Started &program = started[0], &empty = started[1], &themed = started[3];
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so that all see the same machine.
        for (Started& s : started) {
            const std::wstring exe = Folder() + s.exe;
            Run r{};
            if (!(s.marks ? s.steps.Start(exe, s.windowClass, r) : StartOnce(exe, s.windowClass, r))) {
                std::fprintf(stderr, "%ls did not start\n", s.exe);
                return 1;
            }
            s.ms.push_back(r.ms);
            s.workingSets.push_back(static_cast<double>(r.workingSet));
        }
    }
    std::printf("start to ready for input, median of %d interleaved runs:\n", runs);
    for (const Started& s : started) {
        if (!s.label) continue;
        std::printf("  %-50s %6.1f ms  %5.2f MB  (%.2f x empty)\n", s.label, s.Ms(), s.Megabytes(),
                    empty.Ms() > 0 ? s.Ms() / empty.Ms() : 0.0);
    }
    const double ratio = empty.Ms() > 0 ? program.Ms() / empty.Ms() : 0.0;
    const double share = program.Megabytes() - empty.Megabytes();
    std::printf("  start-up ratio to the empty window %.2f (goal <= 1.30) %s; to the last yardstick %.2f\n", ratio,
                ratio <= 1.3 ? "met" : "NOT MET", themed.Ms() > 0 ? program.Ms() / themed.Ms() : 0.0);
    std::printf("  working set: the program's own share %.2f MB (goal <= 2.00 MB) %s; beyond the last yardstick's "
                "%.2f MB\n", share, share <= 2.0 ? "met" : "NOT MET", program.Megabytes() - themed.Megabytes());
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    GetFileAttributesExW((Folder() + program.exe).c_str(), GetFileExInfoStandard, &attributes);
    std::printf("TallyvanePro.exe size: %lu bytes\n", attributes.nFileSizeLow);
    std::printf("where the time goes, median of %d, each step from the one before:\n", runs);
    for (const Started& s : started) {
        if (s.marks) s.steps.Print(s.exe);
    }
    return 0;
}
