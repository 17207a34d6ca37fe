#include "platform/ansi_code_page.h"

#include <windows.h>

#include <climits>

namespace tv {

std::string NarrowToAnsi(std::wstring_view text, size_t maxBytes) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return std::string();
    std::string out(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    if (out.size() > maxBytes) out.resize(maxBytes);
    return out;
}

std::wstring WidenFromAnsi(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return std::wstring();
    // n bytes never make more than n characters: one conversion, no measuring pass.
    std::wstring text(bytes.size(), L'\0');
    const int length = static_cast<int>(bytes.size());
    const int made = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, bytes.data(), length, text.data(), length);
    text.resize(made > 0 ? static_cast<size_t>(made) : 0);
    return text;
}

}  // namespace tv
