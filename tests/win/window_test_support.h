// Driving the real main window inside the test process: a fresh registry,
// the message loop, clicks, keys and modal dialogs.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/message_loop.h"
#include "app/program.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"
#include "settings/registry_key.h"
#include "units/converter_window.h"

namespace wintest {

// Handles messages for `ms` milliseconds (injected keys arrive late).
inline void Pump(tv::MessageLoop& loop, int ms = 60) {
    const DWORD end = GetTickCount() + ms;
    do {
        loop.RunPending();
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    loop.RunPending();
}

inline std::wstring Text(HWND control) {
    std::vector<wchar_t> buffer(GetWindowTextLengthW(control) + 1);
    GetWindowTextW(control, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

// Runs `action` with the dialog that opens next, from inside its modal loop.
void WhenDialogOpens(std::function<void(HWND dialog)> action);

inline DWORD StoredDword(const wchar_t* path, const wchar_t* name, DWORD missing = 0xFFFFFFFF) {
    DWORD value = missing, size = sizeof value;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return missing;
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        value = missing;
    RegCloseKey(key);
    return value;
}

inline void StoreDword(const wchar_t* path, const wchar_t* name, DWORD value) {
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// The main window on a fresh registry, with the program's message loop.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // As the program does before its window: templates carry SIPPREF
        // and date pickers.
        tv::shell::InitExtraControls(GetModuleHandleW(nullptr));
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
        RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath);
        tv::shell::SetDeviceScreenLogicalSize(240, 320);
        tv::shell::SetHelpLauncherForTesting([this](const std::wstring& url) { helpUrls.push_back(url); });
        loop.Register();
    }
    void TearDown() override {
        Close();
        loop.Unregister();
        tv::shell::SetHelpLauncherForTesting(nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath);
    }

    // Creates the window as the program does, settings loaded from the registry.
    void Open() {
        home = std::make_unique<tv::SettingsHome>(tv::SettingsHome{{}, &store});
        window = std::make_unique<tv::ConverterWindow>(*home);
        main = tv::CreateMainWindow(*window);
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        Pump(loop);
    }
    // Destroys the window object as the program does at exit.
    void Close() {
        window.reset();
        Pump(loop, 10);
    }

    HWND Item(int id) const { return GetDlgItem(main, id); }
    std::wstring ItemText(int id) const { return Text(Item(id)); }
    void Command(int id) {
        SendMessageW(main, WM_COMMAND, id, 0);
        Pump(loop);
    }
    void Click(int id) {
        SendMessageW(Item(id), BM_CLICK, 0, 0);
        Pump(loop);
    }
    void ChooseUnit(int listId, int position) {
        SendMessageW(Item(listId), CB_SETCURSEL, position, 0);
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(listId)));
        Pump(loop);
    }
    // Presses and releases a key on the focused control.
    void Key(BYTE key, bool control = false) {
        SetForegroundWindow(main);
        if (control) keybd_event(VK_CONTROL, 0, 0, 0);
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        if (control) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        Pump(loop, 150);
    }

    tv::RegistrySettingsStore store;
    std::unique_ptr<tv::SettingsHome> home;
    std::unique_ptr<tv::ConverterWindow> window;
    tv::MessageLoop loop;
    HWND main = nullptr;
    std::vector<std::wstring> helpUrls;
};

}  // namespace wintest
