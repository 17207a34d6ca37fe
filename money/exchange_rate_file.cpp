// The rate file on disk: where it lies and how it is read.
#include <windows.h>
#include <shlobj.h>

#include "money/exchange_rate_table.h"
#include "platform/system_library.h"
#include "platform/system_time.h"
#include "reference/mapped_text_file.h"

namespace tv {

CalendarDate CalendarDate::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    CalendarDate date;
    static_cast<DateTimeFields&>(date) = FromSystemTime(now);
    return date;
}

ExchangeRateTable ExchangeRateTable::OfUserFile() {
    wchar_t folder[MAX_PATH] = {};
    // No documents folder names no file (not one at the root of the drive):
    // the dialog then says the rate file is missing.
    auto folderPath = SystemFunction<decltype(SHGetSpecialFolderPathW)>(L"shell32.dll", "SHGetSpecialFolderPathW");
    const bool found = folderPath && folderPath(GetDesktopWindow(), folder, CSIDL_PERSONAL, FALSE) && folder[0];
    return ExchangeRateTable(found ? std::wstring(folder) + L"\\CurRates.dat" : std::wstring(), CalendarDate::Now());
}

bool ExchangeRateTable::Exists() const {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path_.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool ExchangeRateTable::Load(RateFileProblem* problem) {
    rates_.clear();
    const std::optional<std::wstring> text = ReadDataFile(path_);
    if (text) {
        LoadText(*text);
        return true;
    }
    if (!problem) return false;
    // Why, as an open like the reader's finds it: refused, or opened (or a
    // folder) and so no text to read.
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    const bool opened = file != INVALID_HANDLE_VALUE;
    if (opened) CloseHandle(file);
    const DWORD attributes = GetFileAttributesW(path_.c_str());
    if (opened || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
        *problem = RateFileProblem::kNotRates;
    } else {
        const bool inUse = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        *problem = inUse ? RateFileProblem::kInUse : RateFileProblem::kDenied;
    }
    return false;
}

}  // namespace tv
