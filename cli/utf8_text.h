// The command line speaks UTF-8 on every platform; the core speaks wide text.
#pragma once

#include <string>
#include <string_view>

namespace tv::cli {

// UTF-8 bytes as wide text; a byte that starts no valid sequence becomes
// U+FFFD, so a mistyped name can still be reported.
std::wstring WidenUtf8(std::string_view bytes);

// Wide text (UTF-16 where wchar_t has 16 bits) as UTF-8; an unpaired
// surrogate becomes U+FFFD.
std::string NarrowUtf8(std::wstring_view text);

}  // namespace tv::cli
