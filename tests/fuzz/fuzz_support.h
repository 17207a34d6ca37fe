// What the fuzz targets share: a check that stops the run (libFuzzer counts
// the abort as a crash and keeps the input), data-file bytes as the readers
// see them, and typed text from bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reference/code_list.h"
#include "reference/data_text.h"

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

namespace fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// A data file's text as the program reads it: the file's bytes followed by
// the two zero bytes its buffer always ends with.
inline std::optional<std::wstring> DataFileText(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    bytes.append(2, '\0');
    return tv::DecodeDataText(bytes);
}

// The list rows `reader` reads from a data file's bytes: there is one per
// line, the one the reader cuts from it alone, and each goes to `check` with
// its line.
template <typename Check>
void CheckEachRow(const uint8_t* data, size_t size, const tv::RowReader& reader, Check check) {
    const std::optional<std::wstring> text = DataFileText(data, size);
    if (!text) return;
    const tv::ListRows rows(*text, reader, tv::kMostCodeListRows);
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    FUZZ_CHECK(rows.Count() == lines.size());
    for (size_t i = 0; i < rows.Count(); ++i) {
        const tv::ListRow row = rows.Row(i);
        FUZZ_CHECK(row == tv::ReadRow(reader, lines[i]));
        check(row, lines[i]);
    }
}

// Typed text: each byte is its Latin-1 character, except that FE starts a
// 16-bit unit in the next two bytes (little-endian) and FF a code point
// beyond the basic plane in the next three, so ASCII seeds stay readable.
inline std::wstring WideText(std::string_view bytes) {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        const auto at = [&](size_t k) { return i + k < bytes.size() ? static_cast<uint8_t>(bytes[i + k]) : 0u; };
        if (b == 0xFE) {
            text += static_cast<wchar_t>(at(1) | at(2) << 8);
            i += 2;
        } else if (b == 0xFF) {
            text += static_cast<wchar_t>(0x10000 + ((at(1) | at(2) << 8 | at(3) << 16) % 0x100000));
            i += 3;
        } else {
            text += static_cast<wchar_t>(b);
        }
    }
    return text;
}

// `text` printable in any locale: ASCII as it is, the rest as \u{...}.
inline std::string Printable(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u{%X}", static_cast<unsigned>(c));
            out += escape;
        }
    }
    return out;
}

inline bool IsLineEnd(wchar_t c) { return c == L'\r' || c == L'\n'; }

}  // namespace fuzz
