#include "money/rate_update.h"

#include <windows.h>

#include <vector>

#include "settings/app_settings.h"

namespace tv {

std::optional<RatesUrl> RatesSource() {
    // One character more than any accepted address, so a longer one is refused rather than cut.
    std::vector<wchar_t> text(kMaxRatesUrlChars + 2);
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegGetValueW(HKEY_CURRENT_USER, kMoneyPath, L"RatesUrl", RRF_RT_REG_SZ, nullptr, text.data(), &size);
    if (status == ERROR_MORE_DATA) return std::nullopt;
    if (status != ERROR_SUCCESS || text[0] == L'\0') return ParseRatesUrl(kDefaultRatesUrl);
    return ParseRatesUrl(text.data());
}

std::wstring TemporaryRateFile(const std::wstring& rateFile) {
    const size_t slash = rateFile.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : rateFile.substr(0, slash)) + L"\\CurRates" + L".tmp";
}

namespace {

bool WriteWholeFile(const std::wstring& path, std::string_view text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size() && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    return ok;
}

}  // namespace

bool ReplaceRateFile(const std::wstring& rateFile, std::string_view text) {
    // A read-only rate file is the user's to keep; not every file system refuses the move itself.
    const DWORD attributes = GetFileAttributesW(rateFile.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return false;
    }
    const std::wstring temporary = TemporaryRateFile(rateFile);
    if (WriteWholeFile(temporary, text) &&
        MoveFileExW(temporary.c_str(), rateFile.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace tv
