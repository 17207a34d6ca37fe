// Unicode text to and from the clipboard.
#pragma once

#include <windows.h>

namespace tv {

// Puts the text of `field` on the clipboard; does nothing for an empty field
// or a busy clipboard.
void CopyFieldToClipboard(HWND owner, HWND field);

// True when the clipboard holds Unicode text.
bool ClipboardHasText();

}  // namespace tv
