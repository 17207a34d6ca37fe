// Off Windows there is no ANSI code page: Western European (1252) stands in.
#include "platform/ansi_code_page.h"

namespace tv {

// Only ASCII narrows: every other character becomes '?', which no number
// reading accepts.
std::string NarrowToAnsi(std::wstring_view text, size_t maxBytes) {
    std::string out;
    for (wchar_t c : text) {
        if (out.size() >= maxBytes) break;
        out += (c >= 0 && c < 0x80) ? static_cast<char>(c) : '?';
    }
    return out;
}

std::wstring WidenFromAnsi(std::string_view bytes) {
    // 0x80 to 0x9F differ from Latin-1; unassigned positions stay as they are.
    static const wchar_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::wstring text(bytes.size(), L'\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<wchar_t>(b);
    }
    return text;
}

}  // namespace tv
