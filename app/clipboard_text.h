// Unicode text to and from the clipboard, and the Edit menus that do it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tv {

// Puts the text of `field` on the clipboard; does nothing for an empty field
// or a busy clipboard.
void CopyFieldToClipboard(HWND owner, HWND field);

// True when the clipboard holds Unicode text.
bool ClipboardHasText();

// One Copy item of an Edit submenu: its command, the field it copies and
// the name shown after "Copy ".
struct CopyMenuItem {
    int command;
    HWND field;
    std::wstring name;
};

// A command of an Edit submenu whose Copy items are ID_COPY_OUTPUT_FIRST
// onwards, one per field of `outputs`, and whose Paste pastes into
// `pasteTarget`; false for any other command.
bool RunEditCommand(HWND dialog, int command, const std::vector<int>& outputs, int pasteTarget);

// An Edit submenu as it opens: each Copy item renamed and greyed while its
// field is empty; Paste greyed while the clipboard holds no text.
void UpdateCopyPasteMenu(HMENU menu, const std::vector<CopyMenuItem>& items);

}  // namespace tv
