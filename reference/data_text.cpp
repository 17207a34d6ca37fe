#include "reference/data_text.h"

#include <algorithm>
#include <compare>
#include <cwctype>
#include <iterator>

#include "platform/ansi_code_page.h"

namespace tv {

namespace {

// Most characters are neither CR nor LF: one comparison tells them apart.
bool IsLineEnd(wchar_t c) { return static_cast<unsigned>(c) <= L'\r' && (c == L'\r' || c == L'\n'); }

uint16_t UnitAt(const unsigned char* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

// UTF-16 little-endian units as characters, so the string is made in one
// pass: its length known at once, its characters written once.
struct Utf16Characters {
    using iterator_category = std::random_access_iterator_tag;
    using value_type = wchar_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const wchar_t*;
    using reference = wchar_t;
    const unsigned char* at;
    wchar_t operator*() const { return static_cast<wchar_t>(UnitAt(at)); }
    wchar_t operator[](difference_type n) const { return static_cast<wchar_t>(UnitAt(at + 2 * n)); }
    Utf16Characters& operator++() { at += 2; return *this; }
    Utf16Characters operator++(int) { Utf16Characters was = *this; at += 2; return was; }
    Utf16Characters& operator--() { at -= 2; return *this; }
    Utf16Characters operator--(int) { Utf16Characters was = *this; at -= 2; return was; }
    Utf16Characters& operator+=(difference_type n) { at += 2 * n; return *this; }
    Utf16Characters& operator-=(difference_type n) { at -= 2 * n; return *this; }
    Utf16Characters operator+(difference_type n) const { return {at + 2 * n}; }
    Utf16Characters operator-(difference_type n) const { return {at - 2 * n}; }
    difference_type operator-(const Utf16Characters& other) const { return (at - other.at) / 2; }
    auto operator<=>(const Utf16Characters&) const = default;
};

}  // namespace

std::optional<std::wstring> DecodeDataText(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto byte = [&](size_t i) { return i < bytes.size() ? data[i] : 0; };
    if (byte(0) == 0xFF && byte(1) == 0xFE) {
        if (byte(2) == 0 && byte(3) == 0) return std::nullopt;  // the mark and no text
        // The text ends at its first zero unit; an odd last byte is no unit.
        const unsigned char* const units = data + 2;
        const size_t most = (bytes.size() - 2) / 2;
        // Copied whole, then cut at the zero: one pass, and a quick search.
        std::wstring text(Utf16Characters{units}, Utf16Characters{units + 2 * most});
        text.resize(std::min(text.find(L'\0'), text.size()));
        return text;
    }
    return WidenFromAnsi(bytes.substr(0, bytes.find('\0')));
}

bool LineReader::Next(std::wstring_view& line) {
    const wchar_t* const text = text_.data();
    const size_t size = text_.size();
    size_t i = at_;
    while (i < size && IsLineEnd(text[i])) ++i;
    const size_t start = i;
    while (i < size && !IsLineEnd(text[i])) ++i;
    at_ = i;
    if (i == start) return false;
    line = std::wstring_view(text + start, i - start);
    return true;
}

std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    LineReader reader(text);
    for (std::wstring_view line; reader.Next(line);) lines.push_back(line);
    return lines;
}

std::wstring_view CutLongLine(std::wstring_view line) { return line.size() > 128 ? line.substr(0, 127) : line; }

void CutTabFields(std::wstring_view line, int count, std::wstring_view* fields) {
    if (count <= 0) return;
    const size_t size = line.size();
    // Lines are short: a plain look at each character beats a library search.
    const auto tabFrom = [&](size_t from) {
        while (from < size && line[from] != L'\t') ++from;
        return from;
    };
    size_t start = 0;  // where the field after the previous TAB (or none) begins
    for (int k = 1; k < count; ++k) {
        const size_t tab = tabFrom(start);
        if (tab == size) {
            // No TAB: this field is empty, and the next search starts again at the line's beginning.
            fields[k - 1] = std::wstring_view();
            start = 0;
        } else {
            fields[k - 1] = line.substr(start, tab - start);
            start = tab + 1;
        }
    }
    fields[count - 1] = line.substr(std::min(start, size));
}

std::vector<std::wstring> SplitTabFields(std::wstring_view line, int count) {
    if (count <= 0) return {};
    std::vector<std::wstring_view> pieces(static_cast<size_t>(count));
    CutTabFields(line, count, pieces.data());
    return std::vector<std::wstring>(pieces.begin(), pieces.end());
}

std::vector<std::wstring> ReadRow(const RowReader& reader, std::wstring_view line) {
    std::vector<std::wstring_view> cells(static_cast<size_t>(std::max(reader.columns, 0)));
    if (!cells.empty()) reader.cut(line, reader.columns, cells.data());
    return std::vector<std::wstring>(cells.begin(), cells.end());
}

ListRows::ListRows(std::wstring text, const RowReader& reader, size_t mostRows, size_t from)
    : text_(std::move(text)), columns_(std::max(reader.columns, 0)) {
    // Pieces are told by 32-bit places: no data file comes near that.
    if (columns_ == 0 || from >= text_.size() || text_.size() > UINT32_MAX) return;
    const wchar_t* const base = text_.data();
    std::vector<std::wstring_view> cells(static_cast<size_t>(columns_));
    LineReader lines(std::wstring_view(text_).substr(from));
    // Room for as many rows as short lines could make, never filled past what is read.
    cells_.reserve(std::min(mostRows, (text_.size() - from) / 16 + 1) * cells.size());
    size_t rows = 0;
    for (std::wstring_view line; rows < mostRows && lines.Next(line); ++rows) {
        reader.cut(line, columns_, cells.data());
        for (std::wstring_view cell : cells) {
            // Every cut is a piece of the line; an empty one may lie nowhere.
            cells_.push_back(cell.empty() ? Piece{0, 0}
                                          : Piece{static_cast<uint32_t>(cell.data() - base),
                                                  static_cast<uint32_t>(cell.size())});
        }
    }
}

std::wstring_view ListRows::Cell(size_t row, int column) const {
    if (column < 0 || column >= columns_ || row >= Count()) return {};
    const Piece piece = cells_[row * static_cast<size_t>(columns_) + static_cast<size_t>(column)];
    return std::wstring_view(text_).substr(piece.start, piece.length);
}

std::vector<std::wstring> ListRows::Row(size_t row) const {
    std::vector<std::wstring> texts;
    if (row >= Count()) return texts;
    for (int column = 0; column < columns_; ++column) texts.emplace_back(Cell(row, column));
    return texts;
}

long ReadLeadingInteger(std::wstring_view field) {
    size_t i = 0;
    while (i < field.size() && IsWhiteSpace(field[i])) ++i;
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
