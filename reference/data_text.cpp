#include "reference/data_text.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <cwctype>

#include "platform/ansi_code_page.h"

namespace tv {

namespace {

// Most characters are neither CR nor LF: one comparison tells them apart.
bool IsLineEnd(wchar_t c) { return static_cast<unsigned>(c) <= L'\r' && (c == L'\r' || c == L'\n'); }

}  // namespace

std::optional<std::wstring> DecodeDataText(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto byte = [&](size_t i) { return i < bytes.size() ? data[i] : 0; };
    if (byte(0) == 0xFF && byte(1) == 0xFE) {
        if (byte(2) == 0 && byte(3) == 0) return std::nullopt;  // the mark and no text
        // The text ends at its first zero unit; an odd last byte is no unit.
        const unsigned char* units = data + 2;
        const size_t most = (bytes.size() - 2) / 2;
        size_t length = 0;
        while (length < most && (units[2 * length] | units[2 * length + 1]) != 0) ++length;
        std::wstring text(length, L'\0');
        if constexpr (sizeof(wchar_t) == 2 && std::endian::native == std::endian::little) {
            if (length) std::memcpy(text.data(), units, 2 * length);
        } else {
            for (size_t i = 0; i < length; ++i) text[i] = static_cast<wchar_t>(units[2 * i] | units[2 * i + 1] << 8);
        }
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
