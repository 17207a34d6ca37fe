// A system library loaded when it is first needed rather than at start-up,
// for what one tool alone uses (the web transfer, the documents folder, the
// help viewer): each such library costs start-up time and memory.
#pragma once

#include <windows.h>

namespace tv {

// The library of that file name from the system folder, loaded on the first
// call and kept for the life of the process; nullptr when it cannot be.
HMODULE SystemLibrary(const wchar_t* fileName);

// A function of such a library, of the type of `Declared` (for example
// decltype(WinHttpOpen)); nullptr when the library or the function is missing.
template <typename Declared>
Declared* SystemFunction(const wchar_t* fileName, const char* name) {
    HMODULE library = SystemLibrary(fileName);
    return library ? reinterpret_cast<Declared*>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace tv
