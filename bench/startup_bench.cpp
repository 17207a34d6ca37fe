// Start-up time of TallyvanePro.exe against a minimal window program, both
// started the same way: from CreateProcess until the new process waits for
// input. Also the working set once started and the size of the program.
//   startup_bench.exe [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    const std::wstring program = Folder() + L"TallyvanePro.exe";
    const std::wstring empty = Folder() + L"empty_window.exe";
    std::vector<double> programMs, emptyMs, workingSets, emptySets;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so both see the same machine.
        Run r{};
        if (!StartOnce(program, L"TALLYVANEPRO", r)) {
            std::fprintf(stderr, "TallyvanePro.exe did not start\n");
            return 1;
        }
        programMs.push_back(r.ms);
        workingSets.push_back(static_cast<double>(r.workingSet));
        if (!StartOnce(empty, L"TallyvaneBenchEmpty", r)) {
            std::fprintf(stderr, "empty_window.exe did not start\n");
            return 1;
        }
        emptyMs.push_back(r.ms);
        emptySets.push_back(static_cast<double>(r.workingSet));
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &attributes);
    const double p = Median(programMs), e = Median(emptyMs);
    std::printf("runs: %d each, interleaved\n", runs);
    std::printf("start to ready for input, median: TallyvanePro.exe %.1f ms, empty window %.1f ms\n", p, e);
    std::printf("ratio: %.2f (goal <= 1.3)\n", e > 0 ? p / e : 0.0);
    std::printf("working set after start, median: TallyvanePro.exe %.2f MB (goal < 8 MB), empty window %.2f MB\n",
                Median(workingSets) / (1024.0 * 1024.0), Median(emptySets) / (1024.0 * 1024.0));
    std::printf("TallyvanePro.exe size: %lu bytes\n", attributes.nFileSizeLow);
    return 0;
}
