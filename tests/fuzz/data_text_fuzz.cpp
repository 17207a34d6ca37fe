// The text of a data file: decoding, lines, the TAB field rule and the number fields every reader shares.
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> decoded = tv::DecodeDataText(fuzz::Bytes(data, size));
    const bool unicode = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    FUZZ_CHECK(decoded || (unicode && (size < 4 || (data[2] == 0 && data[3] == 0))));
    if (!decoded) return 0;
    const std::wstring& text = *decoded;
    FUZZ_CHECK(text.find(L'\0') == std::wstring::npos);
    FUZZ_CHECK(unicode ? text.size() <= (size - 2) / 2
                       : text.size() == std::min(fuzz::Bytes(data, size).find('\0'), size));
    for (size_t i = 0; i < text.size() && !unicode; ++i)
        FUZZ_CHECK((data[i] >= 0x80 && data[i] < 0xA0) || text[i] == data[i]);

    // Every character that ends no line is in exactly one line, in order.
    size_t inLines = 0;
    const wchar_t* previous = text.data();
    for (std::wstring_view line : tv::SplitLines(text)) {
        FUZZ_CHECK(!line.empty() && line.data() >= previous && line.data() + line.size() <= text.data() + text.size());
        FUZZ_CHECK(line.find_first_of(L"\r\n") == std::wstring_view::npos);
        previous = line.data() + line.size();
        inLines += line.size();

        FUZZ_CHECK(tv::CutLongLine(line) == (line.size() > 128 ? line.substr(0, 127) : line));
        const int count = size > 0 ? data[0] % 8 - 1 : 3;  // -1 to 6
        const std::vector<std::wstring> fields = tv::SplitTabFields(line, count);
        FUZZ_CHECK(fields.size() == static_cast<size_t>(std::max(count, 0)));
        std::wstring joined;
        for (size_t k = 0; k < fields.size(); ++k) {
            FUZZ_CHECK(k + 1 == fields.size() || fields[k].find(L'\t') == std::wstring::npos);
            joined += (k ? L"\t" : L"") + fields[k];
        }
        // With a TAB for every field boundary the fields are the line, cut.
        FUZZ_CHECK(count <= 0 || std::ranges::count(line, L'\t') < count - 1 || joined == line);
        // Where no wrapping can come into it, the platform's integer reader is the reference.
        size_t at = std::min(line.find_first_not_of(L" \t\n\v\f\r"), line.size());
        if (at < line.size() && (line[at] == L'+' || line[at] == L'-')) ++at;
        const size_t digits = std::min(line.find_first_not_of(L"0123456789", at), line.size()) - at;
        FUZZ_CHECK(digits > 18 || tv::ReadLeadingInteger(line) == std::wcstol(std::wstring(line).c_str(), nullptr, 10));
    }
    FUZZ_CHECK(inLines + std::ranges::count_if(text, [](wchar_t c) { return c == L'\r' || c == L'\n'; }) ==
               text.size());
    return 0;
}
