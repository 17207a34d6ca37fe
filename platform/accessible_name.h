// The name, and where asked the value, a screen reader reads for a window,
// in place of what the system would find: its caption, the text before it,
// or for a list its value.
#pragma once

#include <windows.h>

#include <string>

namespace tv {

// Gives `window` (a control, or a top-level window for its title) the name
// `name`; called again, the name changes and readers are told.
void SetAccessibleName(HWND window, const std::wstring& name);

// Reads the window's value from `value` whenever a reader asks.
using AccessibleValue = std::wstring (*)(HWND window);
void SetAccessibleValue(HWND window, AccessibleValue value);

}  // namespace tv
