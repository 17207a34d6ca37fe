// The text of a data file: its encoding, its lines and the TAB field rule
// every reader shares.
#pragma once

#include <cstddef>
#include <cstdint>
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

// The first 127 characters of a line longer than 128; other lines whole.
std::wstring_view CutLongLine(std::wstring_view line);

// A line read as `count` fields cut at TABs: fields 1 to count-1 end at
// the next TAB, the last field is the rest of the line; a TAB that is not
// there makes its search start again at the line's beginning.
std::vector<std::wstring> SplitTabFields(std::wstring_view line, int count);

// A number field read as the platform's _wtol reads it: leading white space,
// a sign, then decimal digits up to the first other character; none read as 0.
long ReadLeadingInteger(std::wstring_view field);

}  // namespace tv
