#include "app/window_text.h"

#include <vector>

namespace tv {

std::wstring StringResource(int id) {
    // With a zero length LoadStringW hands back a pointer into the resource.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}

std::wstring WindowText(HWND window) {
    std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring WindowText(HWND window, int bufferChars) {
    std::wstring text = WindowText(window);
    if (text.size() >= static_cast<size_t>(bufferChars)) text.resize(static_cast<size_t>(bufferChars) - 1);
    return text;
}

LRESULT AddStringToList(HWND list, int id) {
    return SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(StringResource(id).c_str()));
}

}  // namespace tv
