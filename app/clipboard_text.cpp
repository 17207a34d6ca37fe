#include "app/clipboard_text.h"

#include <cstring>
#include <vector>

namespace tv {

void CopyFieldToClipboard(HWND owner, HWND field) {
    const int length = GetWindowTextLengthW(field);
    if (length <= 0) return;
    if (!OpenClipboard(owner)) return;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const int read = GetWindowTextW(field, text.data(), length + 1);
    EmptyClipboard();
    // The desktop clipboard wants movable global memory.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (static_cast<size_t>(read) + 1) * sizeof(wchar_t));
    if (void* p = memory ? GlobalLock(memory) : nullptr) {
        std::memcpy(p, text.data(), static_cast<size_t>(read) * sizeof(wchar_t));
        GlobalUnlock(memory);
        // The clipboard owns the memory once it takes it.
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    } else if (memory) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

}  // namespace tv
