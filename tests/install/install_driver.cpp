// Looks at an installed copy of the program from outside, as a user would;
// installer_test.sh runs it in a Wine prefix of its own.
//   install_driver program <exe>             start it, open a code list, close it
//   install_driver entry <version> <dir>     the Apps & features entry of the copy in <dir>
//   install_driver folders                   print the Documents and common Programs folders
//   install_driver uninstall <dir>           run <dir>\Uninstall.exe silently, to its end
//   install_driver removed                   the entry is gone
//   install_driver settings                  the user's settings are there
// Exits 0 when every check holds; each failed check is one line on stderr.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/app_frame.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"

namespace {

const wchar_t* const kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TallyvanePro";
int failures = 0;

// Says what failed; false, for the callers that then give up.
bool Fail(const std::wstring& message) {
    std::fprintf(stderr, "%ls\n", message.c_str());
    ++failures;
    return false;
}

// Polls `find` for up to `ms`; nullptr when it never answers, or once `process` ends.
HWND WaitFor(HANDLE process, DWORD ms, const std::function<HWND()>& find) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(50)) {
        if (HWND found = find()) return found;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
    }
    return find();
}

bool KeyExists(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Starts `program` with `command` in `folder`; false with the failure said.
bool Start(const std::wstring& program, std::wstring command, const wchar_t* folder, PROCESS_INFORMATION& pi) {
    STARTUPINFOW si = {sizeof si};
    return CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi) ||
           Fail(L"cannot start " + program + L" (error " + std::to_wstring(GetLastError()) + L")");
}

// Waits up to `ms` for `pi` to end, ending it when it does not: its exit code, or -1.
long long Ended(PROCESS_INFORMATION& pi, DWORD ms, const std::wstring& what) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(pi.hProcess, ms) != WAIT_OBJECT_0) {
        Fail(what + L" did not end within " + std::to_wstring(ms / 1000) + L" s");
        TerminateProcess(pi.hProcess, 99);
        WaitForSingleObject(pi.hProcess, 5000);
    } else {
        GetExitCodeProcess(pi.hProcess, &code);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code == STILL_ACTIVE ? -1 : code;
}

// The program, started from `exe` elsewhere than its folder (it must find its
// files by its own path), with its main window shown; closed as a user closes it.
struct Program {
    PROCESS_INFORMATION pi{};
    HWND main = nullptr;

    explicit Program(const std::wstring& exe) {
        wchar_t windows[MAX_PATH] = {};
        GetWindowsDirectoryW(windows, MAX_PATH);
        if (!Start(exe, L"\"" + exe + L"\"", windows, pi)) return;
        main = WaitFor(pi.hProcess, 20000, [&] { return Window(tv::AppFrame::kClassName); });
        if (!main) Fail(L"the program showed no main window within 20 s, or ended at once");
    }
    ~Program() {
        if (!pi.hProcess) return;
        if (main) PostMessageW(main, WM_CLOSE, 0, 0);
        const long long code = Ended(pi, 10000, L"the program, its main window closed,");
        if (main && code > 0) Fail(L"the program ended with exit code " + std::to_wstring(code));
    }
    // Its visible top-level window of class `cls`, holding a list view when `withList`.
    HWND Window(const wchar_t* cls, bool withList = false) const {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, cls, nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pi.dwProcessId && IsWindowVisible(w) && (!withList || List(w))) return w;
        }
        return nullptr;
    }
    static HWND List(HWND dialog) { return FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr); }
};

// The dialing codes list shows the installed Countries.dat; closing saves the
// settings, which the uninstaller must then keep.
void OpenACodeList(const std::wstring& exe) {
    {
        Program program(exe);
        if (!program.main) return;
        PostMessageW(program.main, WM_COMMAND, ID_DIALING_CODES, 0);
        HWND dialog = WaitFor(program.pi.hProcess, 10000, [&] { return program.Window(L"#32770", true); });
        DWORD_PTR rows = 0;
        if (!dialog) return void(Fail(L"International Dialing Codes opened no dialog with a list"));
        SendMessageTimeoutW(Program::List(dialog), LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &rows);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        WaitFor(program.pi.hProcess, 5000, [&]() -> HWND { return IsWindow(dialog) ? nullptr : program.main; });
        if (rows == 0) Fail(L"the dialing codes list is empty: the installed program did not read Countries.dat");
        if (IsWindow(dialog)) Fail(L"the dialing codes dialog did not close on OK");
    }
    if (!KeyExists(HKEY_CURRENT_USER, tv::kSettingsPath)) Fail(L"closing the program saved no settings");
}

// The entry's texts: what Apps & features shows, and the copy's own
// uninstaller it runs. (Its numbers only restate the installer script.)
void Entry(const std::wstring& version, const std::wstring& dir) {
    const std::wstring uninstaller = L"\"" + dir + L"\\Uninstall.exe\"";
    const std::pair<const wchar_t*, std::wstring> texts[] = {
        {L"DisplayName", L"Tallyvane Pro"}, {L"DisplayVersion", version}, {L"Publisher", L"Tallyvane Pro"},
        {L"InstallLocation", dir}, {L"DisplayIcon", dir + L"\\TallyvanePro.exe,0"}, {L"UninstallString", uninstaller},
        {L"QuietUninstallString", uninstaller + L" /S"},
    };
    for (const auto& [name, wanted] : texts) {
        wchar_t value[1024] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size)) *value = 0;
        if (lstrcmpiW(value, wanted.c_str()) != 0) Fail(std::wstring(name) + L" is '" + value + L"', not " + wanted);
    }
}

// As the uninstaller does by itself, but waited for: a copy outside the folder
// runs with _?= (last, unquoted) naming the folder it removes.
long long Uninstall(const std::wstring& dir) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring copy = std::wstring(temp) + L"tv-uninstall.exe";
    if (!CopyFileW((dir + L"\\Uninstall.exe").c_str(), copy.c_str(), FALSE)) {
        Fail(L"cannot copy " + dir + L"\\Uninstall.exe (error " + std::to_wstring(GetLastError()) + L")");
        return -1;
    }
    PROCESS_INFORMATION pi = {};
    const long long code =
        Start(copy, L"\"" + copy + L"\" /S _?=" + dir, nullptr, pi) ? Ended(pi, 60000, L"the silent uninstall") : -1;
    DeleteFileW(copy.c_str());
    return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"program" && argc == 3) {
        OpenACodeList(argv[2]);
    } else if (command == L"entry" && argc == 4) {
        Entry(argv[2], argv[3]);
    } else if (command == L"uninstall" && argc == 3) {
        const long long code = Uninstall(argv[2]);
        if (code > 0) Fail(L"the silent uninstall ended with exit code " + std::to_wstring(code));
    } else if (command == L"removed" && argc == 2) {
        if (KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) Fail(L"the Apps & features entry is still there");
    } else if (command == L"settings" && argc == 2) {
        if (!KeyExists(HKEY_CURRENT_USER, tv::kSettingsPath)) Fail(L"the user's settings are gone");
    } else if (command == L"folders" && argc == 2) {
        wchar_t documents[MAX_PATH] = {}, programs[MAX_PATH] = {};  // empty when unknown: the script then fails
        SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
        SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
        std::printf("%ls\n%ls\n", documents, programs);
    } else {
        std::fputs("usage: install_driver COMMAND ..., the commands as listed atop install_driver.cpp\n", stderr);
        return 2;
    }
    return failures ? 1 : 0;
}
