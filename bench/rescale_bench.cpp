// Laying the main window and the currency converter out again after a move
// to a monitor of another dpi and after a zoom step, painted: each beside its
// goal of one frame. The yardstick is the same window with every control
// moved to where it already is and everything repainted, taken in turn: what
// the system and the display take for so many windows, whoever places them.
//   rescale_bench.exe [runs] [rate file]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "app/scaled_window.h"
#include "bench/bench_main_window.h"
#include "bench/bench_timing.h"
#include "money/currency_dialog.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// The action alone, and with the paint it leaves to do.
std::pair<double, double> TimedMs(HWND window, const std::function<void()>& action) {
    const double start = bench::NowMs();
    action();
    const double laidOut = bench::NowMs();
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
    GdiFlush();
    return {laidOut - start, bench::NowMs() - start};
}

void MoveInPlace(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

// Runs `there` and `back` in turn, each timed against the yardstick, and prints the medians.
void Report(const char* what, HWND window, int runs, const std::function<void()>& there,
            const std::function<void()>& back) {
    std::vector<double> layout, painted, yardLayout, yardPainted;
    for (int i = 0; i < runs; ++i) {
        const auto [l, p] = TimedMs(window, i % 2 ? back : there);
        const auto [yl, yp] = TimedMs(window, [&] { MoveInPlace(window); });
        layout.push_back(l), painted.push_back(p), yardLayout.push_back(yl), yardPainted.push_back(yp);
    }
    std::printf("  %s\n", what);
    for (const auto& [name, ours, yard] : {std::tuple{"laid out", &layout, &yardLayout}, {"and painted", &painted, &yardPainted}}) {
        const double m = bench::Median(*ours), y = bench::Median(*yard);
        std::printf("    %-12s %6.2f ms (goal < 16 ms) %s; yardstick %.2f ms; ratio %.2f\n", name, m,
                    m < 16.0 ? "met" : "NOT MET", y, y > 0 ? m / y : 0.0);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(2, _wtoi(argv[1])) : 40;
    const std::wstring rates = argc > 2 ? argv[2] : tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    return bench::WithMainWindow([](HWND) {}, [&](tv::ConverterWindow& window, HWND main, tv::MessageLoop& loop) {
        const int dpi = window.Scale().dpiY, other = dpi * 3 / 2;
        RECT home, moved = tv::shell::FrameForClientArea(GetWindowLongW(main, GWL_STYLE), 0, true,
                                                         tv::LayoutScale{other, other, 100});
        GetWindowRect(main, &home);
        const auto moveTo = [](HWND w, int to, RECT r) {
            SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&r));
        };
        const auto zoomTo = [](HWND w, int zoom) {
            tv::shell::SetZoom(zoom);
            SendMessageW(w, tv::kZoomChangedMessage, 0, 0);
        };
        std::printf("one re-layout and repaint, median of %d taken in turn with the yardstick (%d dpi):\n", runs, dpi);
        Report("main window, WM_DPICHANGED (x1.5 and back)", main, runs, [&] { moveTo(main, other, moved); },
               [&] { moveTo(main, dpi, home); });
        Report("main window, zoom step (Ctrl+Plus, Ctrl+0)", main, runs,
               [&] { SendMessageW(main, WM_COMMAND, ID_ZOOM_IN, 0); },
               [&] { SendMessageW(main, WM_COMMAND, ID_ZOOM_RESET, 0); });
        tv::AppSettings settings;
        tv::CurrencyDialog currency(settings, tv::ExchangeRateTable(rates, tv::CalendarDate::Now()));
        HWND dialog = currency.CreateModeless(main);
        if (!dialog) return 1;
        loop.RunPending();
        Report("currency converter, WM_DPICHANGED (x1.5 and back)", dialog, runs, [&] { moveTo(dialog, other, moved); },
               [&] { moveTo(dialog, dpi, home); });
        Report("currency converter, zoom step (125 % and back)", dialog, runs, [&] { zoomTo(dialog, 125); },
               [&] { zoomTo(dialog, 100); });
        return 0;
    });
}
