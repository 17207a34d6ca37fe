#include "money/rates_url.h"

namespace tv {
namespace {

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        wchar_t c = text[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool IsHostChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'.' || c == L'-';
}

bool IsIpv6Char(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F') || c == L':' || c == L'.';
}

}  // namespace

bool IsLoopbackHost(std::wstring_view host) {
    return host == L"127.0.0.1" || host == L"::1" || (host.size() == 9 && StartsWithNoCase(host, L"localhost"));
}

std::optional<RatesUrl> ParseRatesUrl(std::wstring_view text) {
    if (text.empty() || text.size() > kMaxRatesUrlChars) return std::nullopt;
    for (wchar_t c : text) {
        if (c <= L' ' || c >= 0x7F) return std::nullopt;
    }
    RatesUrl url;
    if (StartsWithNoCase(text, L"https://")) {
        text.remove_prefix(8);
    } else if (StartsWithNoCase(text, L"http://")) {
        url.secure = false;
        url.port = 80;
        text.remove_prefix(7);
    } else {
        return std::nullopt;
    }
    text = text.substr(0, text.find(L'#'));
    const size_t pathStart = text.find_first_of(L"/?");
    std::wstring_view authority = text.substr(0, pathStart);
    url.path = pathStart == std::wstring_view::npos ? L"/" : std::wstring(text.substr(pathStart));
    if (url.path[0] == L'?') url.path.insert(0, 1, L'/');
    if (authority.find(L'@') != std::wstring_view::npos) return std::nullopt;

    std::wstring_view host, port;
    bool hasPort = false;
    if (!authority.empty() && authority[0] == L'[') {
        const size_t close = authority.find(L']');
        if (close == std::wstring_view::npos) return std::nullopt;
        host = authority.substr(1, close - 1);
        const std::wstring_view rest = authority.substr(close + 1);
        if (!rest.empty() && rest[0] != L':') return std::nullopt;
        hasPort = !rest.empty();
        if (hasPort) port = rest.substr(1);
        // Every IPv6 address has a colon; brackets around anything else are no address.
        if (host.find(L':') == std::wstring_view::npos) return std::nullopt;
        for (wchar_t c : host) {
            if (!IsIpv6Char(c)) return std::nullopt;
        }
    } else {
        const size_t colon = authority.find(L':');
        host = authority.substr(0, colon);
        hasPort = colon != std::wstring_view::npos;
        if (hasPort) port = authority.substr(colon + 1);
        if (host.empty()) return std::nullopt;
        for (wchar_t c : host) {
            if (!IsHostChar(c)) return std::nullopt;
        }
    }
    if (hasPort) {
        if (port.empty() || port.size() > 5) return std::nullopt;
        unsigned value = 0;
        for (wchar_t c : port) {
            if (c < L'0' || c > L'9') return std::nullopt;
            value = value * 10 + static_cast<unsigned>(c - L'0');
        }
        if (value == 0 || value > 65535) return std::nullopt;
        url.port = static_cast<uint16_t>(value);
    }
    url.host = std::wstring(host);
    if (!url.secure && !IsLoopbackHost(url.host)) return std::nullopt;
    return url;
}

}  // namespace tv
