// A full repaint of the main window, frame and every control: how long it
// takes and how many GDI objects the program makes for it. The yardstick is
// a plain window holding the same kinds of control in the same places, drawn
// by the system alone, repainted in turn with it: what the system and the
// display take for so many windows, whoever draws them.
//   paint_bench.exe [repaints]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_main_window.h"
#include "bench/bench_timing.h"
#include "tests/win/gdi_creation_count.h"

namespace {

constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// The yardstick: `model`'s size, and a control of the same class at each of
// its controls' places, with the system's own drawing (no owner-drawn keys).
HWND PlainCopyOf(HWND model) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"TallyvaneBenchPlain";
    RegisterClassW(&wc);
    RECT frame;
    GetWindowRect(model, &frame);
    HWND plain = CreateWindowW(wc.lpszClassName, L"Plain", WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN,
                               frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                               nullptr, wc.hInstance, nullptr);
    for (HWND child = GetWindow(model, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {}, text[64] = {};
        GetClassNameW(child, name, 32);
        GetWindowTextW(child, text, 64);
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, model, reinterpret_cast<POINT*>(&r), 2);
        const DWORD style = (GetWindowLongW(child, GWL_STYLE) & ~BS_TYPEMASK) | WS_CHILD | WS_VISIBLE;
        HWND copy = CreateWindowW(name, text, lstrcmpiW(name, L"Button") == 0 ? style | BS_PUSHBUTTON : style,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, plain, nullptr, wc.hInstance,
                                  nullptr);
        SendMessageW(copy, WM_SETFONT, SendMessageW(child, WM_GETFONT, 0, 0), FALSE);
    }
    return plain;
}

double RepaintMs(HWND window) {
    const double start = bench::NowMs();
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
    GdiFlush();
    return bench::NowMs() - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int repaints = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    wintest::CountGdiCreations();
    HWND plain = nullptr;
    return bench::WithMainWindow([&](HWND main) { plain = PlainCopyOf(main); }, [&](tv::ConverterWindow&, HWND main,
                                                                                      tv::MessageLoop&) {
        RepaintMs(main);  // the first may fill what the window keeps
        RepaintMs(plain);
        std::vector<double> ours, yardstick;
        const long before = wintest::GdiObjectsCreated();
        for (int i = 0; i < repaints; ++i) {
            ours.push_back(RepaintMs(main));
            yardstick.push_back(RepaintMs(plain));
        }
        const long made = wintest::GdiObjectsCreated() - before;
        const double m = bench::Median(ours), y = bench::Median(yardstick);
        std::printf("full repaint, frame and every control, median of %d taken in turn:\n", repaints);
        std::printf("  main window %.2f ms (goal < 2 ms) %s; the plain yardstick %.2f ms; ratio %.2f\n", m,
                    m < 2.0 ? "met" : "NOT MET", y, y > 0 ? m / y : 0.0);
        std::printf("  GDI objects the program made in those repaints: %ld (goal 0) %s\n", made,
                    made == 0 ? "met" : "NOT MET");
        DestroyWindow(plain);
        return 0;
    });
}
