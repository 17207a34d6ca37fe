#include "platform/system_library.h"

#include <string>

namespace tv {

HMODULE SystemLibrary(const wchar_t* fileName) {
    if (HMODULE loaded = GetModuleHandleW(fileName)) return loaded;
    // By its full path: never a copy planted in the program's or the current folder.
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(system, length) + L"\\" + fileName;
    return LoadLibraryW(path.c_str());
}

}  // namespace tv
