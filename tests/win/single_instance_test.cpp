// Starting the program itself: one copy at a time, found by class and title.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/shell_layer.h"
#include "settings/app_settings.h"
#include "window_test_support.h"

namespace {

// The program started with `arguments`; ended by force if still running at the end.
struct Started {
    PROCESS_INFORMATION info{};
    explicit Started(const std::wstring& arguments) {
        const std::wstring program = tv::shell::ProgramFolder() + L"TallyvanePro.exe";
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW si = {sizeof si};
        EXPECT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &si, &info));
        WaitForInputIdle(info.hProcess, 10000);
    }
    ~Started() {
        if (WaitForExit(0) == STILL_ACTIVE) TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    DWORD WaitForExit(DWORD ms) const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

HWND WaitForRunningCopy(DWORD processId) {
    for (int i = 0; i < 200; Sleep(25), ++i) {
        DWORD owner = 0;
        HWND w = tv::FindRunningCopy();
        if (w && GetWindowThreadProcessId(w, &owner) && owner == processId) return w;
    }
    return nullptr;
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath); }
};

}  // namespace

// A window of the class with another title is no running copy; a second
// start finds the first, activates it and ends.
TEST_F(SingleInstance, ASecondStartActivatesTheFirstAndEnds) {
    // Registered for another module, so the program's own class stays free.
    HINSTANCE elsewhere = GetModuleHandleW(L"kernel32.dll");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = elsewhere;
    wc.lpszClassName = L"TALLYVANEPRO";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND impostor = CreateWindowW(L"TALLYVANEPRO", L"Tallyvane Pro (draft)", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                  nullptr, elsewhere, nullptr);
    ASSERT_NE(impostor, nullptr);

    Started first(L"");
    HWND running = WaitForRunningCopy(first.info.dwProcessId);
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));

    SetForegroundWindow(impostor);
    Started second(L"--anything at all");
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(GetForegroundWindow(), running);

    PostMessageW(running, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(10000), 0u);
    EXPECT_NE(wintest::StoredDword(tv::kSelectionPath, L"C0"), 0xFFFFFFFFu);  // closing saved the settings
    DestroyWindow(impostor);
    UnregisterClassW(L"TALLYVANEPRO", elsewhere);
}
