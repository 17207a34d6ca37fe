// The text of a data file: decoding, lines, the long-line cut and the TAB field rule every reader shares.
#include "fuzz.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    const std::optional<std::wstring> text = tv::DecodeDataText(bytes);
    const bool unicode = bytes.starts_with("\xFF\xFE");
    FUZZ_CHECK(text || (unicode && (bytes.size() < 4 || (bytes[2] == 0 && bytes[3] == 0))));
    if (!text) return;
    FUZZ_CHECK(text->find(L'\0') == std::wstring::npos);
    FUZZ_CHECK(unicode ? text->size() <= (bytes.size() - 2) / 2
                       : text->size() == std::min(bytes.find('\0'), bytes.size()));
    // Every character that ends no line is in exactly one line, in order.
    size_t inLines = 0;
    const wchar_t* previous = text->data();
    for (std::wstring_view line : tv::SplitLines(*text)) {
        FUZZ_CHECK(!line.empty() && line.data() >= previous && line.find_first_of(L"\r\n") == line.npos);
        previous = line.data() + line.size();
        inLines += line.size();
        FUZZ_CHECK(tv::CutLongLine(line) == (line.size() > 128 ? line.substr(0, 127) : line));
        // With a TAB for every field boundary the fields are the line, cut.
        const int count = bytes[0] % 8 - 1;  // -1 to 6
        const std::vector<std::wstring> fields = tv::SplitTabFields(line, count);
        FUZZ_CHECK(fields.size() == static_cast<size_t>(std::max(count, 0)));
        std::wstring joined;
        for (size_t k = 0; k < fields.size(); ++k) joined += (k ? L"\t" : L"") + fields[k];
        FUZZ_CHECK(count <= 0 || std::ranges::count(line, L'\t') < count - 1 || joined == line);
        (void)tv::ReadLeadingInteger(line);
    }
    FUZZ_CHECK(inLines + std::ranges::count_if(*text, [](wchar_t c) { return c == L'\r' || c == L'\n'; }) ==
               text->size());
}
