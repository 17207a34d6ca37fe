// The text of a data file: decoding, lines, the TAB field rule and the
// number fields every reader shares.
#include <cwchar>
#include <cwctype>

#include "fuzz_support.h"

namespace {

void CheckFields(std::wstring_view line, int count) {
    const std::vector<std::wstring> fields = tv::SplitTabFields(line, count);
    FUZZ_CHECK(fields.size() == static_cast<size_t>(count > 0 ? count : 0));
    if (count <= 0) return;
    size_t tabs = 0;
    for (wchar_t c : line) tabs += c == L'\t';
    for (size_t k = 0; k + 1 < fields.size(); ++k) FUZZ_CHECK(fields[k].find(L'\t') == std::wstring::npos);
    // With a TAB for every field boundary the fields are the line, cut.
    if (tabs >= static_cast<size_t>(count - 1)) {
        std::wstring joined;
        for (size_t k = 0; k < fields.size(); ++k) joined += (k ? L"\t" : L"") + fields[k];
        FUZZ_CHECK(joined == line);
    }
}

void CheckInteger(std::wstring_view field) {
    const long value = tv::ReadLeadingInteger(field);
    // Where no wrapping can come into it, the platform's reader is the reference.
    size_t i = 0;
    while (i < field.size() && std::iswspace(static_cast<wint_t>(field[i]))) ++i;
    if (i < field.size() && (field[i] == L'+' || field[i] == L'-')) ++i;
    size_t digits = 0;
    while (i + digits < field.size() && field[i + digits] >= L'0' && field[i + digits] <= L'9') ++digits;
    if (digits <= 18) {
        const std::wstring copy(field);
        FUZZ_CHECK(value == std::wcstol(copy.c_str(), nullptr, 10));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::optional<std::wstring> decoded = tv::DecodeDataText(bytes);
    const bool unicode = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    if (!decoded) {
        FUZZ_CHECK(unicode && (size < 4 || (data[2] == 0 && data[3] == 0)));
        return 0;
    }
    const std::wstring& text = *decoded;
    FUZZ_CHECK(text.find(L'\0') == std::wstring::npos);
    if (unicode) {
        FUZZ_CHECK(text.size() <= (size - 2) / 2);
    } else {
        FUZZ_CHECK(text.size() == std::min(bytes.find('\0'), size));
        for (size_t i = 0; i < text.size(); ++i) {
            if (data[i] < 0x80 || data[i] >= 0xA0) FUZZ_CHECK(text[i] == data[i]);
        }
    }

    const std::vector<std::wstring_view> lines = tv::SplitLines(text);
    // Every character that ends no line is in exactly one line, in order.
    size_t ends = 0;
    for (wchar_t c : text) ends += fuzz::IsLineEnd(c);
    size_t inLines = 0;
    const wchar_t* previous = text.data();
    for (std::wstring_view line : lines) {
        FUZZ_CHECK(!line.empty());
        FUZZ_CHECK(line.data() >= previous && line.data() + line.size() <= text.data() + text.size());
        previous = line.data() + line.size();
        for (wchar_t c : line) FUZZ_CHECK(!fuzz::IsLineEnd(c));
        inLines += line.size();
    }
    FUZZ_CHECK(inLines + ends == text.size());

    const int count = size > 0 ? data[0] % 8 - 1 : 3;  // -1 to 6
    for (std::wstring_view line : lines) {
        const std::wstring_view cut = tv::CutLongLine(line);
        FUZZ_CHECK(cut == (line.size() > 128 ? line.substr(0, 127) : line));
        CheckFields(line, count);
        CheckInteger(line);
    }
    return 0;
}
