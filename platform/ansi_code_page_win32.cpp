#include "platform/ansi_code_page.h"

#include <windows.h>

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
    if (bytes.empty()) return std::wstring();
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, bytes.data(), length, text.data(), needed);
    return text;
}

}  // namespace tv
