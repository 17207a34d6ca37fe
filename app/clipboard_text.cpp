#include "app/clipboard_text.h"

#include <cstring>
#include <vector>

#include "app/window_text.h"
#include "resources/resource_ids.h"

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

void UpdateCopyPasteMenu(HMENU menu, const std::vector<CopyMenuItem>& items) {
    const std::wstring prefix = StringResource(IDS_COPY_PREFIX);
    for (const CopyMenuItem& copy : items) {
        const bool filled = GetWindowTextLengthW(copy.field) > 0;
        EnableMenuItem(menu, copy.command, MF_BYCOMMAND | (filled ? MF_ENABLED : MF_GRAYED));
        std::wstring name = prefix + copy.name;
        MENUITEMINFOW item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = name.data();
        SetMenuItemInfoW(menu, copy.command, FALSE, &item);
    }
    EnableMenuItem(menu, ID_PASTE, MF_BYCOMMAND | (ClipboardHasText() ? MF_ENABLED : MF_GRAYED));
}

bool RunEditCommand(HWND dialog, int command, const std::vector<int>& outputs, int pasteTarget) {
    const int row = command - ID_COPY_OUTPUT_FIRST;
    if (row >= 0 && row < static_cast<int>(outputs.size())) {
        CopyFieldToClipboard(dialog, GetDlgItem(dialog, outputs[static_cast<size_t>(row)]));
        return true;
    }
    if (command != ID_PASTE) return false;
    SendDlgItemMessageW(dialog, pasteTarget, WM_PASTE, 0, 0);
    return true;
}

}  // namespace tv
