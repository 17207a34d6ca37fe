#include "reference/data_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

Lines LinesOf(std::string_view bytes) {
    const auto text = tv::DecodeDataText(bytes);
    Lines lines;
    if (!text) return lines;
    for (auto line : tv::SplitLines(*text)) lines.emplace_back(line);
    return lines;
}

// The bytes of `text` in UTF-16 little-endian after the mark, terminated.
std::string Utf16File(std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes + std::string(2, '\0');
}

}  // namespace

TEST(DataText, BothEncodingsGiveTheSameLines) {
    const Lines expected = {L"Z\u00FCrich\t41", L"S\u00E3o Paulo\t55", L"\u20AC sign"};
    EXPECT_EQ(LinesOf(Utf16File(L"Z\u00FCrich\t41\r\nS\u00E3o Paulo\t55\r\n\u20AC sign")), expected);
    EXPECT_EQ(LinesOf(std::string("Z\xFCrich\t41\r\nS\xE3o Paulo\t55\r\n\x80 sign") + std::string(2, '\0')), expected);
}

TEST(DataText, TextEndsAtTheFirstZeroCharacterAndAMarkAloneIsNoText) {
    EXPECT_FALSE(tv::DecodeDataText(std::string("\xFF\xFE\0\0", 4)).has_value());
    EXPECT_FALSE(tv::DecodeDataText(std::string("\xFF\xFE", 2)).has_value());
    // An empty file is text with no lines.
    ASSERT_TRUE(tv::DecodeDataText(std::string(2, '\0')).has_value());
    EXPECT_TRUE(LinesOf(std::string(2, '\0')).empty());
    EXPECT_EQ(LinesOf(std::string("one\ntwo\0three\n", 14)), (Lines{L"one", L"two"}));
    EXPECT_EQ(LinesOf(Utf16File(std::wstring(L"a\nb\0c", 5))), (Lines{L"a", L"b"}));
    // An odd last byte of a UTF-16 file is no character.
    EXPECT_EQ(LinesOf(std::string("\xFF\xFEX\0Y", 5)), (Lines{L"X"}));
}

TEST(DataText, AnyLineEndsAndBlankLinesGiveTheSameLines) {
    const Lines expected = {L"first line", L" second\tline ", L"last"};
    for (const char* text : {"first line\r\n second\tline \r\nlast\r\n", "first line\n second\tline \nlast",
                             "first line\r second\tline \rlast\r", "\r\n\r\nfirst line\n\n\n second\tline \r\r\nlast\n\r\n"}) {
        EXPECT_EQ(LinesOf(std::string(text) + std::string(2, '\0')), expected) << text;
    }
}

TEST(DataText, LongLinesAreCutTo127Characters) {
    const std::wstring exact(128, L'x');
    EXPECT_EQ(tv::CutLongLine(exact), exact);
    EXPECT_EQ(tv::CutLongLine(std::wstring(129, L'y')), std::wstring(127, L'y'));
}

TEST(DataText, TabFieldRule) {
    using F = std::vector<std::wstring>;
    EXPECT_EQ(tv::SplitTabFields(L"Paris\tIle-de-France\t1", 3), (F{L"Paris", L"Ile-de-France", L"1"}));
    // Fewer TABs: a failed search starts again at the line's beginning.
    EXPECT_EQ(tv::SplitTabFields(L"A\tB", 3), (F{L"A", L"", L"A\tB"}));
    EXPECT_EQ(tv::SplitTabFields(L"no tabs", 3), (F{L"", L"", L"no tabs"}));
    // More TABs: the last field keeps them.
    EXPECT_EQ(tv::SplitTabFields(L"a\tb\tc\td", 3), (F{L"a", L"b", L"c\td"}));
    EXPECT_EQ(tv::SplitTabFields(L"a\t\t", 3), (F{L"a", L"", L""}));
    EXPECT_EQ(tv::SplitTabFields(L"\tx", 2), (F{L"", L"x"}));
    EXPECT_EQ(tv::SplitTabFields(L"whole", 1), (F{L"whole"}));
}
