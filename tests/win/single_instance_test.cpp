// Starting the program itself: one copy at a time, found by class and title.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "platform/shell_layer.h"
#include "settings/app_settings.h"

namespace {

struct Started {
    PROCESS_INFORMATION info{};
    bool ok = false;
    ~Started() {
        if (!ok) return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    DWORD WaitForExit(DWORD ms) const {
        if (WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

void Start(Started& p, const std::wstring& arguments) {
    const std::wstring program = tv::shell::ProgramFolder() + L"TallyvanePro.exe";
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW si = {sizeof si};
    p.ok = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &p.info) != FALSE;
    ASSERT_TRUE(p.ok);
    WaitForInputIdle(p.info.hProcess, 10000);
}

HWND WaitForRunningCopy(DWORD processId) {
    for (int i = 0; i < 200; ++i) {
        HWND w = tv::FindRunningCopy();
        DWORD owner = 0;
        if (w) GetWindowThreadProcessId(w, &owner);
        if (w && owner == processId) return w;
        Sleep(25);
    }
    return nullptr;
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath); }
};

}  // namespace

TEST_F(SingleInstance, ASecondStartActivatesTheFirstAndEnds) {
    Started first, second;
    Start(first, L"");
    HWND running = WaitForRunningCopy(first.info.dwProcessId);
    ASSERT_NE(running, nullptr);

    Start(second, L"--anything at all");
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(IsWindow(running));

    PostMessageW(running, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(10000), 0u);
    // Closing saved the settings.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, tv::kSelectionPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(SingleInstance, AWindowOfTheClassWithAnotherTitleIsNoRunningCopy) {
    // Registered for another module, so the program's own class stays free.
    HINSTANCE elsewhere = GetModuleHandleW(L"kernel32.dll");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = elsewhere;
    wc.lpszClassName = L"TALLYVANEPRO";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND impostor = CreateWindowW(L"TALLYVANEPRO", L"Tallyvane Pro (draft)", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, elsewhere, nullptr);
    ASSERT_NE(impostor, nullptr);

    Started program;
    Start(program, L"");
    HWND running = WaitForRunningCopy(program.info.dwProcessId);
    EXPECT_NE(running, nullptr);
    EXPECT_EQ(program.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    if (running) PostMessageW(running, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10000), 0u);

    DestroyWindow(impostor);
    UnregisterClassW(L"TALLYVANEPRO", elsewhere);
}
