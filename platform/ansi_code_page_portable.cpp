// Off Windows there is no ANSI code page: Western European (1252) stands in.
#include "platform/ansi_code_page.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

namespace {

// 0x80 to 0x9F differ from Latin-1; unassigned positions stay as they are.
constexpr std::array<wchar_t, 256> kWestern = [] {
    constexpr wchar_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::array<wchar_t, 256> table = {};
    for (int b = 0; b < 256; ++b) table[b] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<wchar_t>(b);
    return table;
}();

}  // namespace

std::wstring WidenFromAnsi(std::string_view bytes) {
    const auto* first = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    // Latin-1 first, each byte as the character of its number: one pass that
    // writes each character once. Then the few bytes where 1252 differs
    // (0x80 to 0x9F), looked for eight at a time: most text has none.
    std::wstring text(first, first + size);
    const auto mend = [&](size_t k) {
        if (first[k] >= 0x80 && first[k] < 0xA0) text[k] = kWestern[first[k]];
    };
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t eight;
        std::memcpy(&eight, first + i, 8);
        if (eight & 0x8080808080808080u) {
            for (size_t k = i; k < i + 8; ++k) mend(k);
        }
    }
    for (; i < size; ++i) mend(i);
    return text;
}

}  // namespace tv
