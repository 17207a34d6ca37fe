#include <windows.h>

#include <vector>

#include "numfmt/number_text.h"

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

}  // namespace tv
