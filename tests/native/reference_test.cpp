// The readers of the data files: their text and TAB fields, the code lists'
// rows and letter strip, the care labels and the sales tax tables.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ansi_code_page.h"
#include "reference/care_labels.h"
#include "reference/code_list.h"
#include "reference/data_text.h"
#include "reference/sales_tax.h"

namespace {

using Texts = std::vector<std::wstring>;  // also a list row

Texts LinesOf(std::string_view bytes) {
    const auto text = tv::DecodeDataText(bytes);
    Texts lines;
    if (text) {
        for (auto line : tv::SplitLines(*text)) lines.emplace_back(line);
    }
    return lines;
}

// The bytes of `text` in UTF-16 little-endian after the mark, terminated.
std::string Utf16File(std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
    return bytes + std::string(2, '\0');
}

// A list that no search may touch.
struct UntouchedList : tv::LetterSearchList {
    int Selected() const override { ADD_FAILURE(); return -1; }
    std::wstring FirstColumn(int) const override { ADD_FAILURE(); return L""; }
    int FindStartingWith(wchar_t) const override { ADD_FAILURE(); return -1; }
    void Select(int) override { ADD_FAILURE(); }
};

std::wstring Padded(const std::wstring& name, const std::wstring& code) {
    return name + std::wstring(41 - name.size(), L' ') + code;
}

Texts GroupNames(const tv::CareLabelBook& book) {
    Texts names;
    for (const auto& g : book.groups) names.push_back(std::to_wstring(g.group) + L":" + g.name);
    return names;
}

// The rows shown for `group`, in list order, as "first second meaning".
Texts Shown(const tv::CareLabelBook& book, int group) {
    Texts shown;
    for (uint64_t key : tv::CareLabelRows(book, group)) {
        const tv::CareLabel* l = tv::CareLabelOfRow(book, key);
        shown.push_back(l ? std::to_wstring(l->firstIcon) + L" " + std::to_wstring(l->secondIcon) + L" " + l->meaning
                          : L"?");
    }
    return shown;
}

}  // namespace

// The 8-bit text is widened as Latin-1, then mended where 1252 differs,
// eight bytes at a time: every byte must come out right wherever it falls
// in a group of eight, and in the short tail after the last group.
TEST(DataText, EveryByteWidensAsWindows1252AtEveryPlace) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
    for (size_t shift = 0; shift < 8; ++shift) {
        const std::wstring text = tv::WidenFromAnsi(std::string(shift, 'a') + bytes);
        ASSERT_EQ(text.size(), shift + bytes.size());
        for (int b = 1; b < 256; ++b) {
            const wchar_t got = text[shift + b - 1];
            if (b < 0x80 || b >= 0xA0) {
                EXPECT_EQ(got, static_cast<wchar_t>(b)) << "byte " << b << ", shift " << shift;
            } else {
                EXPECT_GE(static_cast<unsigned>(got), 0x80u) << "byte " << b;
            }
        }
        EXPECT_EQ(text[shift + 0x80 - 1], L'\u20AC');  // euro sign
        EXPECT_EQ(text[shift + 0x8D - 1], L'\u008D');  // unassigned: kept
        EXPECT_EQ(text[shift + 0x96 - 1], L'\u2013');  // en dash
        EXPECT_EQ(text[shift + 0x9F - 1], L'\u0178');  // Y with diaeresis
    }
}

TEST(DataText, BothEncodingsGiveTheSameLinesUpToTheFirstZeroCharacter) {
    const Texts expected = {L"Z\u00FCrich\t41", L"S\u00E3o Paulo\t55", L"\u20AC sign"};
    EXPECT_EQ(LinesOf(Utf16File(L"Z\u00FCrich\t41\r\nS\u00E3o Paulo\t55\r\n\u20AC sign")), expected);
    EXPECT_EQ(LinesOf(std::string("Z\xFCrich\t41\r\nS\xE3o Paulo\t55\r\n\x80 sign") + std::string(2, '\0')), expected);
    EXPECT_EQ(LinesOf(Utf16File(std::wstring(L"a\nb\0c", 5))), (Texts{L"a", L"b"}));
    EXPECT_EQ(LinesOf(std::string("\xFF\xFEX\0Y", 5)), (Texts{L"X"}));  // an odd last byte is no character
    // The mark, then a zero character: no text (the mark alone is the data file tests').
    EXPECT_FALSE(tv::DecodeDataText(std::string("\xFF\xFE\0\0", 4)).has_value());
    EXPECT_EQ(tv::DecodeDataText(std::string("\xFF\xFE" "A", 3)), L"");  // a mark and half a character
    // A zero byte inside a character ends nothing; a later mark is a character.
    EXPECT_EQ(LinesOf(Utf16File(L"\u0100\u2000x\uFEFF\u00FF\r\n\uFFFF")), (Texts{L"\u0100\u2000x\uFEFF\u00FF", L"\uFFFF"}));
    EXPECT_EQ(LinesOf(std::string("a\nb\0c\n", 6)), (Texts{L"a", L"b"}));  // 8-bit text ends at its zero too
    EXPECT_EQ(tv::DecodeDataText(std::string("\0abc", 4)), L"");
}

// Lines one at a time are the lines all at once, however long the file; the
// reader stays at the end once there.
TEST(DataText, LinesOneAtATimeAreTheSplitLines) {
    std::wstring text = L"\n\r";
    size_t filled = 0;
    for (int i = 0; i < 5000; ++i) {
        text += std::wstring(static_cast<size_t>(i % 7), L'x') + (i % 3 ? L"\r\n" : L"\r\r\n\n");
        filled += i % 7 != 0;
    }
    Texts oneByOne;
    tv::LineReader reader(text);
    for (std::wstring_view line; reader.Next(line);) oneByOne.emplace_back(line);
    std::wstring_view after = L"unchanged";
    EXPECT_FALSE(reader.Next(after));
    EXPECT_EQ(after, L"unchanged");
    const std::vector<std::wstring_view> split = tv::SplitLines(text);
    EXPECT_EQ(oneByOne, Texts(split.begin(), split.end()));
    EXPECT_EQ(oneByOne.size(), filled);  // the empty ones vanish
}

// White space is what the platform says it is, every character of 16 bits.
TEST(DataText, WhiteSpaceIsThePlatformsEverywhere) {
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        if (tv::IsWhiteSpace(static_cast<wchar_t>(c)) != (std::iswspace(static_cast<wint_t>(c)) != 0)) {
            ADD_FAILURE() << "U+" << std::hex << c;
        }
    }
}

TEST(DataText, AnyLineEndsGiveTheSameLinesLongOnesAreCutAndTabsMakeFields) {
    const Texts expected = {L"first line", L" second\tline ", L"last"};
    for (const char* text :
         {"first line\r second\tline \rlast\r", "\r\n\r\nfirst line\n\n\n second\tline \r\r\nlast\n\r\n"}) {
        EXPECT_EQ(LinesOf(std::string(text) + std::string(2, '\0')), expected) << text;
    }
    const std::wstring exact(128, L'x');
    EXPECT_EQ(tv::CutLongLine(exact), exact);
    EXPECT_EQ(tv::CutLongLine(std::wstring(129, L'y')), std::wstring(127, L'y'));

    // A failed search for a TAB starts again at the line's beginning; the
    // last field keeps any further TABs.
    EXPECT_EQ(tv::SplitTabFields(L"A\tB", 3), (Texts{L"A", L"", L"A\tB"}));
    EXPECT_EQ(tv::SplitTabFields(L"no tabs", 3), (Texts{L"", L"", L"no tabs"}));
    EXPECT_EQ(tv::SplitTabFields(L"a\tb\tc\td", 3), (Texts{L"a", L"b", L"c\td"}));
    EXPECT_EQ(tv::SplitTabFields(L"a\t\t", 3), (Texts{L"a", L"", L""}));
    EXPECT_EQ(tv::SplitTabFields(L"whole", 1), (Texts{L"whole"}));
}

// Rows come from lines cut to 127 characters when longer than 128.
TEST(CodeListRows, CountryCityAndCurrencyLines) {
    const auto country = [](const std::wstring& line) { return tv::ReadRow(tv::kCountryRows, line); };
    EXPECT_EQ(country(Padded(L"Canada", L" +1 ")), (Texts{L"Canada", L" +1 "}));
    // Exactly 41 characters: the whole line is the name; tabs trim like blanks.
    const std::wstring full(41, L'N');
    EXPECT_EQ(country(full), (Texts{full, L""}));
    EXPECT_EQ(country(L"Tabbed\t\t\t" + std::wstring(32, L' ') + L"44"), (Texts{L"Tabbed", L"44"}));
    EXPECT_EQ(country(Padded(L"Long", std::wstring(159, L'9')))[1].size(), 127u - 41u);

    // The TAB rule itself is DataText's; here only that city rows use it.
    const tv::ListRows rows(L"\r\nx\ty\tz\r\n\r\nA\tB", tv::kCityAreaRows, tv::kMostCodeListRows);
    ASSERT_EQ(rows.Count(), 2u);
    EXPECT_EQ(rows.Row(0), (Texts{L"x", L"y", L"z"}));
    EXPECT_EQ(rows.Row(1), (Texts{L"A", L"", L"A\tB"}));

    const auto currency = [](const std::wstring& line) { return tv::ReadRow(tv::kCurrencyRows, line); };
    EXPECT_EQ(currency(L"USD x\tUS Dollar\tfor short"), (Texts{L"USD", L"US Dollar\tfor short"}));
    // A name that starts after character 127 of a long line is cut away.
    EXPECT_EQ(currency(L"EUR" + std::wstring(130, L' ') + L"\tEuro"), (Texts{L"EUR", L""}));
}

// A list keeps every row of a long file, up to a bound that only a damaged
// file reaches; its cells are the pieces of the lines, wherever they lie.
TEST(CodeListRows, EveryLineOfALongFileIsARowUpToTheBound) {
    std::wstring text;
    for (size_t i = 0; i < 100000; ++i) text += Padded(L"Country " + std::to_wstring(i), std::to_wstring(i % 997)) + L"\r\n";
    const tv::ListRows countries(text, tv::kCountryRows, tv::kMostCodeListRows);
    ASSERT_EQ(countries.Count(), 100000u);
    for (size_t i : {size_t{0}, size_t{50000}, size_t{99999}}) {
        EXPECT_EQ(countries.Row(i), (Texts{L"Country " + std::to_wstring(i), std::to_wstring(i % 997)}));
    }
    EXPECT_EQ(countries.Cell(99999, 0), L"Country 99999");
    EXPECT_TRUE(countries.Cell(100000, 0).empty() && countries.Cell(0, 2).empty() && countries.Cell(0, -1).empty());
    EXPECT_TRUE(countries.Row(100000).empty());

    // A damaged longer file gives its first rows only.
    std::wstring many;
    for (size_t i = 0; i <= tv::kMostCodeListRows; ++i) many += L"r" + std::to_wstring(i) + L"\n";
    const tv::ListRows first(std::move(many), tv::kCityAreaRows, tv::kMostCodeListRows);
    ASSERT_EQ(first.Count(), tv::kMostCodeListRows);
    EXPECT_EQ(first.Row(tv::kMostCodeListRows - 1), (Texts{L"", L"", L"r" + std::to_wstring(tv::kMostCodeListRows - 1)}));

    // Rows may begin after a place in the text; a short text moved along keeps its cells.
    tv::ListRows later(std::wstring(L"skip\na\tb\n"), tv::kCityAreaRows, 10, 5);
    const tv::ListRows moved = std::move(later);
    ASSERT_EQ(moved.Count(), 1u);
    EXPECT_EQ(moved.Row(0), (Texts{L"a", L"", L"a\tb"}));
    EXPECT_EQ(tv::ListRows(L"a\nb\nc", tv::kCurrencyRows, 2).Count(), 2u);
    EXPECT_EQ(tv::ListRows(L"a\nb", tv::kCurrencyRows, 5, 99).Count(), 0u);
}

// Searching through a cell's letters is the code-list window tests' job;
// here where the cells lie, and that a cell outside the strip searches nothing.
TEST(LetterStrip, CellsByPosition) {
    // Cells are 26 wide at 240 pixels; nothing right of the ninth or in a strip narrower than nine pixels.
    for (auto [x, width, cell] : {std::tuple{25, 240, 0}, {26, 240, 1}, {233, 240, 8}, {234, 240, -1}, {-3, 240, -1},
                                  {0, 8, -1}}) {
        EXPECT_EQ(tv::StripCellAt(x, width), cell) << x << " of " << width;
    }
    UntouchedList list;
    for (int cell : {-1, tv::kStripCells}) EXPECT_EQ(tv::StripSearch(list, cell), -1);
}

TEST(CareLabels, FixedFieldsMakeGroupsAndLabels) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"  2  0Drying\r\n"
        L"130131Tumble dry, low heat  \t \r\n"  // trailing blanks and tabs go
        L"140  0  Line dry\n"                   // leading ones stay
        L"1604x2Text\n"                         // B ends at the x: 4
        L"150\n"                                // a label without a meaning
        L"170  0" + std::wstring(194, L'm') +   // a 200-character line keeps its first 127
        L"\nCare  Washing\n      \n");           // no digits read as 0: group lines
    EXPECT_EQ(GroupNames(book), (Texts{L"2:Drying", L"0:Washing", L"0:"}));
    EXPECT_EQ(Shown(book, 2), (Texts{L"130 131 Tumble dry, low heat", L"140 0   Line dry", L"160 4 Text", L"150 0 ",
                                   L"170 0 " + std::wstring(121, L'm')}));
}

// Groups 5 to 99 are no groups: their labels stay in the group before.
TEST(CareLabels, AllLabelsComeInGroupOrderWhateverTheFileOrder) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"100  0Before any group\n"
        L"  3   Ironing\n300  0Iron low\n"
        L"  5   Fifth\n301  0After group 5\n"
        L" 99   Ninety-nine\n302  0After group 99\n"
        L"  1   Bleaching\n"
        L"  0   Washing\n101  0Wash 30\n");
    EXPECT_EQ(GroupNames(book), (Texts{L"3:Ironing", L"1:Bleaching", L"0:Washing"}));
    EXPECT_EQ(Shown(book, tv::kAllCareLabels), (Texts{L"100 0 Before any group", L"101 0 Wash 30", L"300 0 Iron low",
                                                      L"301 0 After group 5", L"302 0 After group 99"}));
    EXPECT_TRUE(Shown(book, 1).empty());
    // Group low, position high.
    EXPECT_EQ(tv::CareLabelRows(book, 3), (std::vector<uint64_t>{3u, 3u | 1u << 16, 3u | 2u << 16}));
    EXPECT_EQ(tv::CareLabelOfRow(book, 3u | 3u << 16), nullptr);
    EXPECT_EQ(tv::CareLabelOfRow(book, 5u), nullptr);
}

// Beyond the bound only a damaged file reaches, labels are dropped; a group
// may hold more than 16 bits of positions.
TEST(CareLabels, LabelsBeyondTheBoundAreDropped) {
    const size_t many = tv::kMostCareLabels / 2 + 70000;
    std::wstring text = L"  4   Many\n";
    for (size_t i = 0; i < many; ++i) text += L"400  0four\n";
    text += L"  3   More\n";
    for (size_t i = 0; i < many; ++i) text += L"300  0three\n";
    text += L"  1   Late\n100  0one\n";
    const tv::CareLabelBook book = tv::ReadCareLabels(text);
    EXPECT_EQ(book.labels[4].size(), many);
    EXPECT_EQ(book.labels[3].size(), tv::kMostCareLabels - many);
    EXPECT_TRUE(book.labels[1].empty());
    EXPECT_EQ(GroupNames(book), (Texts{L"4:Many", L"3:More", L"1:Late"}));
    const std::vector<uint64_t> rows = tv::CareLabelRows(book, tv::kAllCareLabels);
    ASSERT_EQ(rows.size(), tv::kMostCareLabels);
    EXPECT_EQ(rows.back(), 4u | uint64_t{many - 1} << 16);
    EXPECT_EQ(tv::CareLabelOfRow(book, rows.back())->meaning, L"four");
    EXPECT_EQ(tv::CareLabelOfRow(book, rows.front())->meaning, L"three");
}

TEST(SalesTax, ColumnWidthsFollowTheScreenAndScale) {
    auto widths = [](int region, int screen, int scrollBar, int scale) {
        std::vector<int> w;
        for (const tv::TaxColumn& c : tv::SalesTaxColumns(region, screen, scrollBar, scale)) w.push_back(c.width);
        return w;
    };
    EXPECT_EQ(widths(0, 480, 26, 2), (std::vector<int>{216, 116, 110, 110}));  // Canada's four, scaled
    EXPECT_EQ(widths(2, 640, 34, 2), (std::vector<int>{486, 120}));  // the name takes what is left
    EXPECT_EQ(widths(1, 50, 13, 1), (std::vector<int>{0, 60}));      // never a negative width
    EXPECT_TRUE(widths(3, 240, 13, 1).empty() && widths(-1, 240, 13, 1).empty());
    const auto canada = tv::SalesTaxColumns(0, 240, 13, 1), europe = tv::SalesTaxColumns(2, 240, 13, 1);
    EXPECT_TRUE(!canada[0].rightAligned && canada[1].rightAligned && !europe[0].rightAligned && europe[1].rightAligned);
}

TEST(SalesTax, FirstNonBlankLineGivesTheTitlesAndEveryOtherLineARow) {
    const tv::SalesTaxText usa(L"\r\n\r\nState\tRate\r\nAlabama\t4%\r\n\r\nTexas\t6.25%\tplus local\r\nOhio", 2);
    EXPECT_EQ(usa.Titles(), (Texts{L"State", L"Rate"}));
    ASSERT_EQ(usa.RowCount(), 3u);
    EXPECT_EQ(usa.Row(1), (Texts{L"Texas", L"6.25%\tplus local"}));
    EXPECT_TRUE(usa.Row(3).empty());
    EXPECT_EQ(tv::SalesTaxText(L"A\tB\r\n", 4).Titles(), (Texts{L"A", L"", L"A", L"B"}));

    EXPECT_EQ(tv::SalesTaxText(L"Country\tVAT\r\n", 2).RowCount(), 0u);
    EXPECT_TRUE(tv::SalesTaxText(L"\r\n\n", 2).Titles().empty());

    EXPECT_EQ(usa.Field(1, 1), L"6.25%\tplus local");
    EXPECT_TRUE(usa.Field(1, 2).empty() && usa.Field(3, 0).empty());

    // A damaged long file shows its first rows only.
    std::wstring text = L"Name\tRate\n";
    for (size_t i = 0; i < tv::kMostSalesTaxRows + 100; ++i) text += L"r" + std::to_wstring(i) + L"\t1%\n";
    const tv::SalesTaxText table(text, 2);
    ASSERT_EQ(table.RowCount(), tv::kMostSalesTaxRows);
    EXPECT_EQ(table.Row(tv::kMostSalesTaxRows - 1)[0], L"r" + std::to_wstring(tv::kMostSalesTaxRows - 1));
    EXPECT_EQ(table.Titles(), (Texts{L"Name", L"Rate"}));
}
