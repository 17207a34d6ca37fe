// The main window as the program makes it, for a benchmark to measure: over
// the first start's settings, stored nowhere (the user's are left alone),
// with the program's message loop, shown and settled.
#pragma once

#include <windows.h>

#include <functional>

#include "app/message_loop.h"
#include "app/program.h"
#include "units/converter_window.h"

namespace bench {

// Runs `measure` once the window and anything `prepare` makes beside it are
// shown (the display's first events come late); the exit status: 1 when the
// window cannot be made, else what `measure` returns.
inline int WithMainWindow(const std::function<void(HWND main)>& prepare,
                          const std::function<int(tv::ConverterWindow&, HWND main, tv::MessageLoop&)>& measure) {
    tv::StartControls(GetModuleHandleW(nullptr));
    tv::SettingsHome home{};
    tv::MessageLoop loop;
    loop.Register();
    int status = 1;
    {
        tv::ConverterWindow window(home);
        if (HWND main = tv::CreateMainWindow(window)) {
            prepare(main);
            for (const DWORD end = GetTickCount() + 500; static_cast<int>(end - GetTickCount()) > 0; Sleep(10))
                loop.RunPending();
            status = measure(window, main, loop);
        }
    }
    loop.Unregister();
    return status;
}

}  // namespace bench
