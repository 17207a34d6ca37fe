#include "reference/data_text.h"

#include <cwctype>

#include "platform/ansi_code_page.h"

namespace tv {

std::optional<std::wstring> DecodeDataText(std::string_view bytes) {
    const auto byte = [&](size_t i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0; };
    if (byte(0) == 0xFF && byte(1) == 0xFE) {
        if (byte(2) == 0 && byte(3) == 0) return std::nullopt;  // the mark and no text
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < text.size(); ++i) {
            const wchar_t unit = static_cast<wchar_t>(byte(2 + 2 * i) | (byte(3 + 2 * i) << 8));
            if (unit == 0) {
                text.resize(i);
                break;
            }
            text[i] = unit;
        }
        return text;
    }
    return WidenFromAnsi(bytes.substr(0, bytes.find('\0')));
}

std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    const auto isEnd = [](wchar_t c) { return c == L'\r' || c == L'\n'; };
    size_t i = 0;
    const size_t size = text.size();
    while (i < size) {
        while (i < size && isEnd(text[i])) ++i;
        const size_t start = i;
        while (i < size && !isEnd(text[i])) ++i;
        if (i > start) lines.push_back(text.substr(start, i - start));
    }
    return lines;
}

std::wstring_view CutLongLine(std::wstring_view line) { return line.size() > 128 ? line.substr(0, 127) : line; }

std::vector<std::wstring> SplitTabFields(std::wstring_view line, int count) {
    std::vector<std::wstring> fields;
    if (count <= 0) return fields;
    const long size = static_cast<long>(line.size());
    long before = -1;  // where the previous field ended
    for (int k = 1; k < count; ++k) {
        const size_t found = line.find(L'\t', static_cast<size_t>(before + 1));
        const long tab = found == std::wstring_view::npos ? -1 : static_cast<long>(found);
        const long start = before + 1;
        const long length = tab - before - 1;
        if (start >= size || length <= 0) {
            fields.emplace_back();
        } else {
            fields.emplace_back(line.substr(static_cast<size_t>(start), static_cast<size_t>(length)));
        }
        before = tab;
    }
    fields.emplace_back(before + 1 < size ? line.substr(static_cast<size_t>(before + 1)) : std::wstring_view());
    return fields;
}

long ReadLeadingInteger(std::wstring_view field) {
    size_t i = 0;
    while (i < field.size() && std::iswspace(static_cast<wint_t>(field[i]))) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == L'-' || field[i] == L'+')) negative = field[i++] == L'-';
    long value = 0;
    // Wraps like the platform's on absurdly long digit runs, without overflowing here.
    for (; i < field.size() && field[i] >= L'0' && field[i] <= L'9'; ++i) {
        value = static_cast<long>(static_cast<unsigned long>(value) * 10u + static_cast<unsigned long>(field[i] - L'0'));
    }
    return negative ? static_cast<long>(0ul - static_cast<unsigned long>(value)) : value;
}

}  // namespace tv
