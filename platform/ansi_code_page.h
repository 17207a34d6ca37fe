// Text through the user's ANSI code page: typed numbers are read in it and
// 8-bit data files are written in it. Off Windows it is Western European.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tv {

// The code page's bytes for `text`, at most maxBytes of them.
std::string NarrowToAnsi(std::wstring_view text, size_t maxBytes);

// The text the code page makes of `bytes`.
std::wstring WidenFromAnsi(std::string_view bytes);

}  // namespace tv
