// Starting the program itself: one copy at a time, found by class and title.
#include "window_test_support.h"

namespace {

// The program started with `arguments`; ended by force if still running at the end.
struct Started {
    PROCESS_INFORMATION info{};
    explicit Started(std::wstring arguments) {
        const std::wstring program = tv::shell::ProgramFolder() + L"TallyvanePro.exe";
        arguments = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW si = {sizeof si};
        EXPECT_TRUE(CreateProcessW(program.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &si, &info));
        WaitForInputIdle(info.hProcess, 10000);
    }
    ~Started() {
        if (ExitCode(0) == STILL_ACTIVE) TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    // Its exit code once it ends within `ms`, else STILL_ACTIVE.
    DWORD ExitCode(DWORD ms) const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

// A window of the class with another title (its class registered for
// another module, so that the program's stays free) is no running copy; a
// second start finds the first, activates it and ends. Closing the first saves.
TEST(SingleInstance, ASecondStartActivatesTheFirstAndEnds) {
    RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath);
    WNDCLASSW wc = {0, DefWindowProcW, 0, 0, GetModuleHandleW(L"kernel32.dll")};
    wc.lpszClassName = L"TALLYVANEPRO";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND impostor = CreateWindowW(wc.lpszClassName, L"Tallyvane Pro (draft)", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(impostor, nullptr);
    Started first(L"");
    HWND running = nullptr;
    for (int i = 0; i < 200 && !(running = tv::FindRunningCopy()); ++i) Sleep(25);
    DWORD owner = 0;
    GetWindowThreadProcessId(running, &owner);
    ASSERT_EQ(owner, first.info.dwProcessId);

    SetForegroundWindow(impostor);
    Started second(L"--anything at all");
    EXPECT_EQ(second.ExitCode(10000), 0u);
    EXPECT_EQ(first.ExitCode(0), DWORD(STILL_ACTIVE));
    EXPECT_EQ(GetForegroundWindow(), running);
    PostMessageW(running, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.ExitCode(10000), 0u);
    EXPECT_NE(wintest::StoredDword(tv::kSelectionPath, L"C0"), 0xFFFFFFFFu);
    DestroyWindow(impostor);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
    RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath);
}

}  // namespace
