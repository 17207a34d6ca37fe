// Off Windows there is no ANSI code page: Western European (1252) stands in.
#include "platform/ansi_code_page.h"

#include <array>
#include <compare>
#include <cstddef>
#include <iterator>

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

// Each byte as its character, so the string is made in one pass: its length
// known at once, its characters written once and never zeroed first.
struct WesternCharacters {
    using iterator_category = std::random_access_iterator_tag;
    using value_type = wchar_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const wchar_t*;
    using reference = wchar_t;
    const unsigned char* at;
    wchar_t operator*() const { return kWestern[*at]; }
    wchar_t operator[](difference_type n) const { return kWestern[at[n]]; }
    WesternCharacters& operator++() { ++at; return *this; }
    WesternCharacters operator++(int) { WesternCharacters was = *this; ++at; return was; }
    WesternCharacters& operator--() { --at; return *this; }
    WesternCharacters operator--(int) { WesternCharacters was = *this; --at; return was; }
    WesternCharacters& operator+=(difference_type n) { at += n; return *this; }
    WesternCharacters& operator-=(difference_type n) { at -= n; return *this; }
    WesternCharacters operator+(difference_type n) const { return {at + n}; }
    WesternCharacters operator-(difference_type n) const { return {at - n}; }
    difference_type operator-(const WesternCharacters& other) const { return at - other.at; }
    auto operator<=>(const WesternCharacters&) const = default;
};

}  // namespace

std::wstring WidenFromAnsi(std::string_view bytes) {
    const auto* first = reinterpret_cast<const unsigned char*>(bytes.data());
    return std::wstring(WesternCharacters{first}, WesternCharacters{first + bytes.size()});
}

}  // namespace tv
