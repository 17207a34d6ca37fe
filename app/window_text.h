// Texts of windows and of the string table, whatever their length.
#pragma once

#include <windows.h>

#include <string>

namespace tv {

// The string table's text `id`, empty when there is none.
std::wstring StringResource(int id);

// Appends the string table's text `id` to a combo box; its position.
LRESULT AddStringToList(HWND list, int id);

// The whole text of a window.
std::wstring WindowText(HWND window);

// A window's text as read into a buffer of `bufferChars` characters
// (terminator included): cut to bufferChars - 1.
std::wstring WindowText(HWND window, int bufferChars);

}  // namespace tv
