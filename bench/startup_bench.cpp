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

namespace {

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
    LARGE_INTEGER frequency, start, ready;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring commandLine = L"\"" + exe + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    const DWORD idle = WaitForInputIdle(pi.hProcess, 20000);
    QueryPerformanceCounter(&ready);
    run.ms = 1000.0 * (ready.QuadPart - start.QuadPart) / frequency.QuadPart;
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

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

double CounterMs(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * ticks / frequency.QuadPart;
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

    void Print(const char* title) {
        std::printf("%s\n", title);
        for (const std::string& step : order_) std::printf("  %-26s %6.1f ms\n", step.c_str(), Median(steps_[step]));
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    const std::wstring program = Folder() + L"TallyvanePro.exe";
    const std::wstring empty = Folder() + L"empty_window.exe";
    const std::wstring classic = Folder() + L"empty_classic_controls.exe";
    const std::wstring controls = Folder() + L"empty_controls.exe";
    const std::wstring marked = Folder() + L"TallyvanePro_marks.exe";
    std::vector<double> programMs, emptyMs, classicMs, controlsMs, workingSets, emptySets, classicSets, controlsSets;
    Breakdown programSteps, emptySteps, controlsSteps;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so that all see the same machine.
        Run r{};
        if (!StartOnce(program, L"TALLYVANEPRO", r)) {
            std::fprintf(stderr, "TallyvanePro.exe did not start\n");
            return 1;
        }
        programMs.push_back(r.ms);
        workingSets.push_back(static_cast<double>(r.workingSet));
        // The empty window marks its one step too: what any program pays before its own code runs.
        if (!emptySteps.Start(empty, L"TallyvaneBenchEmpty", r)) {
            std::fprintf(stderr, "empty_window.exe did not start\n");
            return 1;
        }
        emptyMs.push_back(r.ms);
        emptySets.push_back(static_cast<double>(r.workingSet));
        if (!StartOnce(classic, L"TallyvaneBenchEmpty", r)) {
            std::fprintf(stderr, "empty_classic_controls.exe did not start\n");
            return 1;
        }
        classicMs.push_back(r.ms);
        classicSets.push_back(static_cast<double>(r.workingSet));
        if (!controlsSteps.Start(controls, L"TallyvaneBenchEmpty", r)) {
            std::fprintf(stderr, "empty_controls.exe did not start\n");
            return 1;
        }
        controlsMs.push_back(r.ms);
        controlsSets.push_back(static_cast<double>(r.workingSet));
        if (!programSteps.Start(marked, L"TALLYVANEPRO", r)) {
            std::fprintf(stderr, "TallyvanePro_marks.exe did not start\n");
            return 1;
        }
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &attributes);
    const double p = Median(programMs), e = Median(emptyMs), k = Median(classicMs), c = Median(controlsMs);
    const double megabyte = 1024.0 * 1024.0;
    const double programSet = Median(workingSets) / megabyte, emptySet = Median(emptySets) / megabyte,
                 classicSet = Median(classicSets) / megabyte, controlsSet = Median(controlsSets) / megabyte;
    const double ratio = e > 0 ? p / e : 0.0, share = programSet - emptySet;
    std::printf("start to ready for input, median of %d interleaved runs:\n", runs);
    std::printf("  TallyvanePro.exe                                   %6.1f ms  %5.2f MB\n", p, programSet);
    std::printf("  empty window                                       %6.1f ms  %5.2f MB\n", e, emptySet);
    std::printf("  empty window, the main window's 27 plain controls  %6.1f ms  %5.2f MB  (%.2f x empty)\n", k,
                classicSet, e > 0 ? k / e : 0.0);
    std::printf("  the same, the manifest and the common controls     %6.1f ms  %5.2f MB  (%.2f x empty)\n", c,
                controlsSet, e > 0 ? c / e : 0.0);
    std::printf("  start-up ratio to the empty window %.2f (goal <= 1.30) %s; to the last yardstick %.2f\n", ratio,
                ratio <= 1.3 ? "met" : "NOT MET", c > 0 ? p / c : 0.0);
    std::printf("  working set: the program's own share %.2f MB (goal <= 2.00 MB) %s; beyond the last yardstick's "
                "%.2f MB\n", share, share <= 2.0 ? "met" : "NOT MET", programSet - controlsSet);
    std::printf("TallyvanePro.exe size: %lu bytes\n", attributes.nFileSizeLow);
    std::printf("where the time goes, median of %d, each step from the one before:\n", runs);
    emptySteps.Print("empty window (empty_window.exe):");
    controlsSteps.Print("empty window with the same controls (empty_controls.exe):");
    programSteps.Print("the program with timing marks (TallyvanePro_marks.exe):");
    return 0;
}
