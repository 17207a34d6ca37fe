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

bool ExchangeRateTable::Load() {
    rates_.clear();
    const std::optional<std::wstring> text = ReadDataFile(path_);
    if (!text) return false;
    LoadText(*text);
    return true;
}

}  // namespace tv
