// The text of a data file: its encoding, its lines and the TAB field rule
// every reader shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cwctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Files larger than this are not read at all: no data file comes near it.
constexpr size_t kLargestDataFile = 16u * 1024 * 1024;

// The text of a data file's bytes: UTF-16 little-endian after the mark FF FE,
// otherwise the ANSI code page. Reading stops at the first zero character.
// A file that is the mark and nothing else has no text (nullopt).
std::optional<std::wstring> DecodeDataText(std::string_view bytes);

// The lines of a text: runs of CR and LF separate them, so blank lines and
// any mix of line ends vanish, and the last line needs no end.
std::vector<std::wstring_view> SplitLines(std::wstring_view text);

// The same lines one at a time, for a reader that may stop early: a file of
// millions of short lines costs no list of them all.
class LineReader {
public:
    explicit LineReader(std::wstring_view text) : text_(text) {}
    // The next line into `line`; false once there is none.
    bool Next(std::wstring_view& line);

private:
    std::wstring_view text_;
    size_t at_ = 0;
};

// The first 127 characters of a line longer than 128; other lines whole.
std::wstring_view CutLongLine(std::wstring_view line);

// A line read as `count` fields cut at TABs: fields 1 to count-1 end at
// the next TAB, the last field is the rest of the line; a TAB that is not
// there makes its search start again at the line's beginning.
std::vector<std::wstring> SplitTabFields(std::wstring_view line, int count);

// The same fields as pieces of `line`, into fields[0] to fields[count - 1].
void CutTabFields(std::wstring_view line, int count, std::wstring_view* fields);

// White space as iswspace classes it; printable ASCII is told apart at once.
inline bool IsWhiteSpace(wchar_t c) {
    if (c > L' ' && c < 0x7F) return false;
    return c == L' ' || std::iswspace(static_cast<wint_t>(c));
}

// How a reader cuts a line into a row: the number of columns, and the cut
// that writes each column's text, a piece of the line, to cells[0] to
// cells[columns - 1].
struct RowReader {
    int columns;
    void (*cut)(std::wstring_view line, int columns, std::wstring_view* cells);
};

// A row as `reader` cuts it from one line, its texts copied.
std::vector<std::wstring> ReadRow(const RowReader& reader, std::wstring_view line);

// The rows of a file's text from character `from` on, one a line in file
// order, at most `mostRows` of them. The table keeps the text, and each cell
// is where its piece lies in it, so a long file costs its text and a few
// numbers a row.
class ListRows {
public:
    ListRows() = default;
    ListRows(std::wstring text, const RowReader& reader, size_t mostRows, size_t from = 0);

    size_t Count() const { return columns_ ? cells_.size() / static_cast<size_t>(columns_) : 0; }
    int Columns() const { return columns_; }
    // Empty for a cell outside the table; valid while the table lives.
    std::wstring_view Cell(size_t row, int column) const;
    std::vector<std::wstring> Row(size_t row) const;

private:
    struct Piece {
        uint32_t start;
        uint32_t length;
    };
    std::wstring text_;
    int columns_ = 0;
    std::vector<Piece> cells_;  // row after row
};

// A number field read as the platform's _wtol reads it: leading white space,
// a sign, then decimal digits up to the first other character; none read as 0.
long ReadLeadingInteger(std::wstring_view field);

}  // namespace tv
