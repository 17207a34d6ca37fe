// The yardstick for start-up time: a program that opens one empty window.
// It notes when its own code starts, for the benchmark's breakdown, and
// tells it only on leaving. Built with TV_SAME_CONTROLS it is a further
// yardstick: the main window's kinds and number of controls, drawn by the
// system; with TV_COMMON_CONTROLS too (and the program's manifest), the
// common controls started as the program starts them, and themed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    LARGE_INTEGER entered;
    QueryPerformanceCounter(&entered);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"TallyvaneBenchEmpty";
    RegisterClassW(&wc);
#ifdef TV_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    HWND window = CreateWindowW(wc.lpszClassName, L"Empty", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 246, 320,
                                nullptr, nullptr, instance, nullptr);
#ifdef TV_SAME_CONTROLS
    // Two fields, two lists and the 23 keys.
    for (int i = 0; i < 4; ++i) {
        CreateWindowW(i % 2 ? L"COMBOBOX" : L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP |
                      (i % 2 ? CBS_DROPDOWNLIST | WS_VSCROLL : ES_AUTOHSCROLL), 10, 10 + 30 * i, 200, i % 2 ? 200 : 22,
                      window, nullptr, instance, nullptr);
    }
    for (int i = 0; i < 23; ++i) {
        CreateWindowW(L"BUTTON", L"7", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10 + 38 * (i % 6), 130 + 28 * (i / 6), 36,
                      26, window, nullptr, instance, nullptr);
    }
#else
    (void)window;
#endif
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TV_STARTUP_MARKS_FILE", path, MAX_PATH)) {
        if (FILE* file = _wfopen(path, L"w")) {
            std::fprintf(file, "%lld loader, C runtime\n", entered.QuadPart);
            std::fclose(file);
        }
    }
    return 0;
}
