// The address the rate update fetches from, and which addresses it accepts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

// Where the daily euro reference rates are fetched from unless the user set another address.
inline constexpr wchar_t kDefaultRatesUrl[] = L"https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
// The longest address accepted: longer is a damaged setting, not an address.
inline constexpr size_t kMaxRatesUrlChars = 2048;

struct RatesUrl {
    bool secure = true;
    std::wstring host;  // an IPv6 address without its brackets
    uint16_t port = 443;
    std::wstring path;  // from the first '/', with any query, never a fragment
};

// 127.0.0.1, localhost in any letter case, or ::1.
bool IsLoopbackHost(std::wstring_view host);

// An https:// address, or plain http:// to a loopback host only; nothing for
// any other scheme or host, user names, bad ports, spaces, control or
// non-ASCII characters, or text longer than kMaxRatesUrlChars.
std::optional<RatesUrl> ParseRatesUrl(std::wstring_view text);

}  // namespace tv
