#include "app/program.h"

#include <commctrl.h>

#include "app/app_globals.h"
#include "app/message_loop.h"
#include "app/startup_marks.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"
#include "units/converter_window.h"

namespace tv {
namespace {

constexpr DWORD kMainStyle = WS_VISIBLE | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void LoadTitle(wchar_t (&title)[128]) {
    if (!LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, title, 128)) lstrcpyW(title, L"Tallyvane Pro");
}

// Hands the command line to the running copy, which ignores it, and brings
// that copy (or the dialog open over it) to the front. This process has no
// window yet, so the message names no sender.
void ActivateRunningCopy(HWND running, const wchar_t* commandLine) {
    if (commandLine && *commandLine) {
        COPYDATASTRUCT data = {};
        data.cbData = static_cast<DWORD>((lstrlenW(commandLine) + 1) * sizeof(wchar_t));
        data.lpData = const_cast<wchar_t*>(commandLine);
        // A hung copy must not hang this one.
        SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 2000,
                            nullptr);
    }
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(running));
}

}  // namespace

HWND FindRunningCopy() {
    wchar_t title[128];
    LoadTitle(title);
    return FindWindowW(AppFrame::kClassName, title);
}

HWND CreateMainWindow(ConverterWindow& window) {
    wchar_t title[128];
    LoadTitle(title);
    return window.Create(title, shell::FrameForClientArea(kMainStyle, 0, true, shell::ScreenScale()), kMainStyle);
}

void StartControls(HINSTANCE instance) {
    shell::InitExtraControls(instance);
    StartupMark("shell controls");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    StartupMark("common controls");
}

int RunProgram(HINSTANCE instance, const wchar_t* commandLine) {
    if (HWND running = FindRunningCopy()) {
        ActivateRunningCopy(running, commandLine);
        return 0;
    }
    StartupMark("single-instance check");
    StartControls(instance);

    int exitCode = 1;
    {
        ConverterWindow window(Settings());
        MessageLoop loop;
        loop.Register();
        StartupMark("settings object");
        if (CreateMainWindow(window)) {
            StartupMark("window shown");
            exitCode = loop.Run();
        }
        loop.Unregister();
    }  // the window object goes here: the category saves the settings
    WriteStartupMarks();
    return exitCode;
}

}  // namespace tv
