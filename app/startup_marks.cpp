#include "app/startup_marks.h"

#include <windows.h>

#include <cstdio>

namespace tv {
namespace {

struct Mark {
    LONGLONG counter;
    const char* step;
};
// Start-up has about a dozen steps; later marks (a second paint) are not start-up.
Mark g_marks[32];
int g_count = 0;

}  // namespace

void StartupMark(const char* step) {
    if (g_count == 32) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    g_marks[g_count++] = {now.QuadPart, step};
}

void WriteStartupMarks() {
    wchar_t path[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"TV_STARTUP_MARKS_FILE", path, MAX_PATH)) return;
    FILE* file = _wfopen(path, L"w");
    if (!file) return;
    for (int i = 0; i < g_count; ++i) std::fprintf(file, "%lld %s\n", g_marks[i].counter, g_marks[i].step);
    std::fclose(file);
}

}  // namespace tv
