// Looks at an installed copy of the program from outside, as a user would;
// installer_test.sh runs it in a Wine prefix of its own.
//   install_driver program <exe>             start it, open a code list, close it
//   install_driver entry <version> <dir>     the Apps & features entry of the copy in <dir>
//   install_driver folders                   print the Documents and common Programs folders
//   install_driver uninstall <dir>           run <dir>\Uninstall.exe silently, to its end
//   install_driver busy <exe> <setup> <dir>  setup and uninstall refuse while the program runs
//   install_driver removed                   the entry is gone
//   install_driver settings                  the user's settings are there
// Exits 0 when every check holds; each failed check is one line on stderr.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/app_frame.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"

namespace {

const wchar_t* const kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TallyvanePro";
const wchar_t* const kProduct = L"Tallyvane Pro";

int failures = 0;

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    return out;
}

void Fail(const std::wstring& message) {
    ++failures;
    std::fprintf(stderr, "%s\n", Utf8(message).c_str());
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::vector<wchar_t> text(GetWindowTextLengthW(window) + 1);
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// Visible top-level windows of process `pid`.
std::vector<HWND> WindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildOfClass(HWND parent, const wchar_t* cls) {
    struct Search {
        const wchar_t* cls;
        HWND found;
    } search{cls, nullptr};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (ClassOf(window) != s->cls) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls `find` for up to `ms`; nullptr when it never answers, or once `process` ends.
HWND WaitFor(HANDLE process, int ms, const std::function<HWND()>& find) {
    for (const DWORD end = GetTickCount() + ms; static_cast<int>(end - GetTickCount()) > 0; Sleep(50)) {
        if (HWND found = find()) return found;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
    }
    return find();
}

// What a window of the program says, for a failure message: caption and texts.
std::wstring Describe(HWND window) {
    std::wstring text = L"\"" + TextOf(window) + L"\"";
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static" && GetWindowTextLengthW(child) > 0) text += L" \"" + TextOf(child) + L"\"";
    }
    return text;
}

bool KeyExists(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The program, started from `exe` the way a shortcut elsewhere would start it.
struct Running {
    PROCESS_INFORMATION pi{};
    HWND main = nullptr;

    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        return code;
    }
    // Its visible top-level window of class `cls` for which `also` holds.
    HWND Window(const wchar_t* cls, const std::function<bool(HWND)>& also = nullptr) const {
        for (HWND w : WindowsOf(pi.dwProcessId)) {
            if (ClassOf(w) == cls && (!also || also(w))) return w;
        }
        return nullptr;
    }
};

// Starts `exe` and waits for its main window; false (with the failure said) when none shows.
bool Start(const std::wstring& exe, Running& program) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    // Started elsewhere than its folder: it must find its files by its own path.
    wchar_t elsewhere[MAX_PATH] = {};
    GetWindowsDirectoryW(elsewhere, MAX_PATH);
    STARTUPINFOW si = {sizeof si};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, elsewhere, &si,
                        &program.pi)) {
        Fail(L"cannot start " + exe + L" (error " + std::to_wstring(GetLastError()) + L")");
        return false;
    }
    WaitForInputIdle(program.pi.hProcess, 10000);
    program.main = WaitFor(program.pi.hProcess, 15000, [&] { return program.Window(tv::AppFrame::kClassName); });
    if (!program.main) {
        Fail(program.ExitCode() == STILL_ACTIVE
                 ? L"the program showed no main window within 15 s"
                 : L"the program ended at once, exit code " + std::to_wstring(program.ExitCode()));
    }
    return program.main != nullptr;
}

// Closes the main window and waits for the program to end, as a user's close does.
void Close(Running& program) {
    if (program.main) PostMessageW(program.main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.pi.hProcess, 10000) != WAIT_OBJECT_0) {
        Fail(L"the program did not end within 10 s of closing its main window");
        TerminateProcess(program.pi.hProcess, 99);
        WaitForSingleObject(program.pi.hProcess, 5000);
    } else if (program.main && program.ExitCode() != 0) {
        Fail(L"the program ended with exit code " + std::to_wstring(program.ExitCode()));
    }
    CloseHandle(program.pi.hThread);
    CloseHandle(program.pi.hProcess);
}

int Program(const std::wstring& exe) {
    Running program;
    if (Start(exe, program)) {
        PostMessageW(program.main, WM_COMMAND, ID_DIALING_CODES, 0);
        auto hasList = [](HWND w) { return ChildOfClass(w, WC_LISTVIEWW) != nullptr; };
        HWND dialog = WaitFor(program.pi.hProcess, 10000, [&] { return program.Window(L"#32770", hasList); });
        if (!dialog) {
            std::wstring shown;
            for (HWND w : WindowsOf(program.pi.dwProcessId)) {
                if (w != program.main) shown += L" " + Describe(w);
            }
            Fail(L"International Dialing Codes opened no dialog with a list;" +
                 (shown.empty() ? std::wstring(L" no other window showed") : L" the program showed" + shown));
        } else {
            DWORD_PTR rows = 0;
            SendMessageTimeoutW(ChildOfClass(dialog, WC_LISTVIEWW), LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000,
                                &rows);
            if (rows == 0) Fail(L"the dialing codes list is empty: the installed program did not read Countries.dat");
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            WaitFor(program.pi.hProcess, 5000, [&]() -> HWND { return IsWindow(dialog) ? nullptr : program.main; });
            if (IsWindow(dialog)) Fail(L"the dialing codes dialog did not close on OK");
        }
    }
    Close(program);
    // The uninstaller must keep these, so they must have been made.
    if (program.main && !KeyExists(HKEY_CURRENT_USER, tv::kSettingsPath)) {
        Fail(L"closing the program saved no settings under HKCU\\" + std::wstring(tv::kSettingsPath));
    }
    return failures ? 1 : 0;
}

// Total bytes of the files under `dir`, and how many there are.
void MeasureFolder(const std::wstring& dir, ULONGLONG& bytes, int& files) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            MeasureFolder(dir + L"\\" + name, bytes, files);
        } else {
            bytes += (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
            ++files;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

int Entry(const std::wstring& version, const std::wstring& dir) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
        Fail(L"no Apps & features entry: HKLM\\" + std::wstring(kUninstallKey) + L" is missing");
        return 1;
    }
    auto text = [&](const wchar_t* name) -> std::wstring {
        wchar_t value[1024] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return L"(none)";
        return value;
    };
    auto dword = [&](const wchar_t* name) -> long long {
        DWORD value = 0, size = sizeof value;
        if (RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) return -1;
        return value;
    };
    auto expect = [&](const wchar_t* name, const std::wstring& wanted) {
        const std::wstring value = text(name);
        if (lstrcmpiW(value.c_str(), wanted.c_str()) != 0) Fail(std::wstring(name) + L" is " + value + L", not " + wanted);
    };
    const std::wstring uninstaller = L"\"" + dir + L"\\Uninstall.exe\"";
    expect(L"DisplayName", kProduct);
    expect(L"DisplayVersion", version);
    expect(L"Publisher", kProduct);
    expect(L"InstallLocation", dir);
    expect(L"DisplayIcon", dir + L"\\TallyvanePro.exe,0");
    expect(L"UninstallString", uninstaller);
    expect(L"QuietUninstallString", uninstaller + L" /S");
    if (dword(L"NoModify") != 1) Fail(L"NoModify is not 1");
    if (dword(L"NoRepair") != 1) Fail(L"NoRepair is not 1");
    if (GetFileAttributesW((dir + L"\\Uninstall.exe").c_str()) == INVALID_FILE_ATTRIBUTES) {
        Fail(L"the uninstaller " + uninstaller + L" is not there");
    }
    // In KB, of what is in the folder; each file may be rounded on its own.
    ULONGLONG bytes = 0;
    int files = 0;
    MeasureFolder(dir, bytes, files);
    const long long size = dword(L"EstimatedSize"), wanted = static_cast<long long>(bytes / 1024);
    if (size < wanted - files || size > wanted + files) {
        Fail(L"EstimatedSize is " + std::to_wstring(size) + L" KB; the " + std::to_wstring(files) +
             L" installed files take " + std::to_wstring(wanted) + L" KB");
    }
    RegCloseKey(key);
    return failures ? 1 : 0;
}

int Folders() {
    wchar_t documents[MAX_PATH] = {}, programs[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)) ||
        FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs))) {
        Fail(L"the Documents or the common Programs folder is unknown");
        return 1;
    }
    std::printf("%s\n%s\n", Utf8(documents).c_str(), Utf8(programs).c_str());
    return 0;
}

// Runs `commandLine` to its end: its exit code, or -1 with the failure said.
long long RunToEnd(const std::wstring& program, std::wstring commandLine, const wchar_t* what) {
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        Fail(std::wstring(L"cannot start ") + what + L" (error " + std::to_wstring(GetLastError()) + L")");
        return -1;
    }
    long long result = -1;
    DWORD code = 0;
    if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0) {
        Fail(std::wstring(what) + L" did not end within 60 s");
        TerminateProcess(pi.hProcess, 99);
        WaitForSingleObject(pi.hProcess, 5000);
    } else if (GetExitCodeProcess(pi.hProcess, &code)) {
        result = code;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return result;
}

// As the uninstaller does by itself, but waited for: a copy outside the folder
// runs with _?= (last, unquoted) naming the folder it removes.
long long RunUninstaller(const std::wstring& dir) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring copy = std::wstring(temp) + L"tv-uninstall.exe";
    if (!CopyFileW((dir + L"\\Uninstall.exe").c_str(), copy.c_str(), FALSE)) {
        Fail(L"cannot copy " + dir + L"\\Uninstall.exe (error " + std::to_wstring(GetLastError()) + L")");
        return -1;
    }
    const long long code = RunToEnd(copy, L"\"" + copy + L"\" /S _?=" + dir, L"the silent uninstall");
    DeleteFileW(copy.c_str());
    return code;
}

int Uninstall(const std::wstring& dir) {
    const long long code = RunUninstaller(dir);
    if (code > 0) Fail(L"the silent uninstall ended with exit code " + std::to_wstring(code));
    return failures ? 1 : 0;
}

// Setup and uninstall, run silently while the program is open, give up (exit
// code 2) and leave it running: its files are in use.
int Busy(const std::wstring& exe, const std::wstring& setup, const std::wstring& dir) {
    Running program;
    if (Start(exe, program)) {
        const long long installed = RunToEnd(setup, L"\"" + setup + L"\" /S", L"the silent install");
        if (installed >= 0 && installed != 2) {
            Fail(L"a silent install over the running program ended with exit code " + std::to_wstring(installed) +
                 L", not 2");
        }
        const long long removed = RunUninstaller(dir);
        if (removed >= 0 && removed != 2) {
            Fail(L"a silent uninstall of the running program ended with exit code " + std::to_wstring(removed) +
                 L", not 2");
        }
        if (program.ExitCode() != STILL_ACTIVE) Fail(L"the program ended while setup ran");
    }
    Close(program);
    return failures ? 1 : 0;
}

int Removed() {
    if (KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) Fail(L"the Apps & features entry is still there");
    return failures ? 1 : 0;
}

int Settings() {
    if (!KeyExists(HKEY_CURRENT_USER, tv::kSettingsPath)) {
        Fail(L"the user's settings are gone (HKCU\\" + std::wstring(tv::kSettingsPath) + L")");
    }
    return failures ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"program" && argc == 3) return Program(argv[2]);
    if (command == L"entry" && argc == 4) return Entry(argv[2], argv[3]);
    if (command == L"folders" && argc == 2) return Folders();
    if (command == L"uninstall" && argc == 3) return Uninstall(argv[2]);
    if (command == L"busy" && argc == 5) return Busy(argv[2], argv[3], argv[4]);
    if (command == L"removed" && argc == 2) return Removed();
    if (command == L"settings" && argc == 2) return Settings();
    std::fprintf(stderr,
                 "usage: install_driver program EXE | entry VERSION DIR | folders | uninstall DIR | busy EXE SETUP DIR"
                 " | removed | settings\n");
    return 2;
}
