#include "reference/mapped_text_file.h"

#include <vector>

#include "platform/shell_layer.h"
#include "reference/data_text.h"

namespace tv {

const char* MappedTextFile::Open(const std::wstring& path) {
    bytes_.clear();
    unicode_ = false;
    // Read access only, and others may go on reading or writing meanwhile.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER length = {};
    bool ok = GetFileSizeEx(file, &length) && length.QuadPart >= 0 &&
              static_cast<unsigned long long>(length.QuadPart) <= kLargestDataFile;
    if (ok) {
        bytes_.assign(static_cast<size_t>(length.QuadPart) + 2, '\0');
        DWORD read = 0;
        ok = length.QuadPart == 0 ||
             (ReadFile(file, bytes_.data(), static_cast<DWORD>(length.QuadPart), &read, nullptr) &&
              read == static_cast<DWORD>(length.QuadPart));
    }
    CloseHandle(file);
    if (!ok) {
        bytes_.clear();
        return nullptr;
    }
    if (static_cast<unsigned char>(bytes_[0]) == 0xFF && static_cast<unsigned char>(bytes_[1]) == 0xFE) {
        if (bytes_[2] == 0 && bytes_[3] == 0) return nullptr;  // the mark and no text
        unicode_ = true;
        return bytes_.data() + 2;
    }
    return bytes_.data();
}

std::wstring DataFilePath(const wchar_t* fileName) { return shell::ProgramFolder() + fileName; }

std::optional<std::wstring> ReadDataFile(const std::wstring& path) {
    MappedTextFile file;
    const char* text = file.Open(path);
    if (!text) return std::nullopt;
    // From the whole buffer again, mark included, so the decoder sees what the file holds.
    const char* start = file.IsUnicode() ? text - 2 : text;
    return DecodeDataText(std::string_view(start, file.GetSize()));
}

}  // namespace tv
