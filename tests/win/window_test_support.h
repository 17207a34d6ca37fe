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

// Handles what is queued, and what arrives within `ms` milliseconds (injected
// keys arrive late; sent messages and what they post need no wait).
inline void Pump(tv::MessageLoop& loop, int ms = 0) {
    for (const DWORD end = GetTickCount() + ms; static_cast<int>(end - GetTickCount()) > 0; Sleep(5)) loop.RunPending();
    loop.RunPending();
}

inline std::wstring Text(HWND control) {
    std::vector<wchar_t> buffer(GetWindowTextLengthW(control) + 1);
    GetWindowTextW(control, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

// A control's rectangle in its parent's client area.
inline RECT Placed(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// While it lives, every message box that opens is closed with OK (a
// question with `answer`, IDYES or IDNO) from inside its own modal loop, and
// told a line each as "caption: text (icon)", with " not owned" where neither
// `owner` nor a window it owns owns it. A dialog with controls other than
// texts and buttons is no message box.
class MessageBoxWatch {
public:
    explicit MessageBoxWatch(HWND owner = nullptr, int answer = IDOK);
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;
    const std::wstring& Seen() const { return seen_; }
    static BOOL CALLBACK CloseIfBox(HWND window, LPARAM watch);

private:
    HWND owner_;
    int answer_;
    std::wstring seen_;
    UINT_PTR timer_;
};

// The name a screen reader reads for `window` (its client area object).
std::wstring AccessibleName(HWND window);

// Runs `action` under a MessageBoxWatch; what it saw.
std::wstring CloseMessageBoxes(HWND owner, const std::function<void()>& action, int answer = IDOK);

// Runs `action` with the dialog that opens next, from inside its modal loop;
// nullptr stops waiting.
void WhenDialogOpens(std::function<void(HWND dialog)> action);

// A value of the current user's registry read as a DWORD, or `missing`.
inline DWORD StoredDword(const wchar_t* path, const wchar_t* name, DWORD missing = 0xFFFFFFFF) {
    DWORD value = 0, size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, path, name, RRF_RT_ANY, nullptr, &value, &size) ? missing : value;
}

// The main window on a fresh registry, with the program's message loop.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // As the program does before its window: templates carry SIPPREF
        // and date pickers.
        tv::StartControls(GetModuleHandleW(nullptr));
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
        Pump(loop);
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
    // Presses and releases a key, with Ctrl or Shift held when asked, on the focused control.
    void Key(BYTE key, bool control = false, bool shift = false) {
        SetForegroundWindow(main);
        const BYTE held = control ? VK_CONTROL : shift ? VK_SHIFT : 0;
        if (held) keybd_event(held, 0, 0, 0);
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        if (held) keybd_event(held, 0, KEYEVENTF_KEYUP, 0);
        Pump(loop, 100);
    }

    tv::RegistrySettingsStore store;
    std::unique_ptr<tv::SettingsHome> home;
    std::unique_ptr<tv::ConverterWindow> window;
    tv::MessageLoop loop;
    HWND main = nullptr;
    std::vector<std::wstring> helpUrls;
};

}  // namespace wintest
