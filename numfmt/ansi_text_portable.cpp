// Off Windows there is no ANSI code page: ASCII passes through and every
// other character becomes '?', which no number reading accepts.
#include "numfmt/number_text.h"

namespace tv {

std::string NarrowToAnsi(std::wstring_view text, size_t maxBytes) {
    std::string out;
    for (wchar_t c : text) {
        if (out.size() >= maxBytes) break;
        out += (c >= 0 && c < 0x80) ? static_cast<char>(c) : '?';
    }
    return out;
}

}  // namespace tv
