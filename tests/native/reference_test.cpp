// The readers of the data files: their text and TAB fields, the code lists'
// rows, the care labels and the sales tax tables. (The letter strip's cells
// are the Wine tests', which tap them.)
#include <gtest/gtest.h>

#include <algorithm>
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
    const std::wstring text = tv::DecodeDataText(bytes).value_or(L"");
    Texts lines;
    for (auto line : tv::SplitLines(text)) lines.emplace_back(line);
    return lines;
}

// The bytes of `text` in UTF-16 little-endian after the mark, terminated.
std::string Utf16File(std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
    return bytes + std::string(2, '\0');
}

// The group names in order, then the rows shown for `group` as "first second meaning".
Texts Shown(const tv::CareLabelBook& book, int group) {
    Texts shown;
    for (const auto& g : book.groups) shown.push_back(std::to_wstring(g.group) + L":" + g.name);
    for (uint64_t key : tv::CareLabelRows(book, group)) {
        const tv::CareLabel* l = tv::CareLabelOfRow(book, key);
        shown.push_back(l ? std::to_wstring(l->firstIcon) + L" " + std::to_wstring(l->secondIcon) + L" " + l->meaning
                          : L"?");
    }
    return shown;
}

}  // namespace

// The 8-bit text is widened as Latin-1, then mended where 1252 differs,
// eight bytes at a time: every byte must come out right wherever it falls in
// a group of eight, and in the short tail after the last group.
TEST(DataText, EveryByteWidensAsWindows1252AtEveryPlace) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
    for (size_t shift = 0; shift < 8; ++shift) {
        const std::wstring text = tv::WidenFromAnsi(std::string(shift, 'a') + bytes).substr(shift);
        for (int b = 1; b < 256; ++b) {
            const wchar_t alone = tv::WidenFromAnsi(std::string(1, static_cast<char>(b)))[0];
            EXPECT_TRUE(text[b - 1] == alone && (b < 0x80 || b >= 0xA0 ? alone == b : alone >= 0x80)) << b;
        }
    }
    // The euro sign, an unassigned byte kept, the en dash, Y with diaeresis.
    EXPECT_EQ(tv::WidenFromAnsi("\x80\x8D\x96\x9F"), L"\u20AC\u008D\u2013\u0178");
}

// Both encodings give the same lines up to the first zero character; a zero
// byte inside a character ends nothing; a later mark is a character; any line
// ends give the same lines and the empty ones vanish.
TEST(DataText, BothEncodingsAndAnyLineEndsGiveTheSameLines) {
    const Texts cities = {L"Z\u00FCrich\t41", L"S\u00E3o Paulo\t55", L"\u20AC sign"},
                lines = {L"first line", L" second\tline ", L"last"};
    const std::tuple<std::string, Texts> cases[] = {
        {Utf16File(L"Z\u00FCrich\t41\r\nS\u00E3o Paulo\t55\r\n\u20AC sign"), cities},
        {std::string("Z\xFCrich\t41\r\nS\xE3o Paulo\t55\r\n\x80 sign") + std::string(2, '\0'), cities},
        {Utf16File(std::wstring(L"a\nb\0c", 5)), {L"a", L"b"}},
        {std::string("\xFF\xFEX\0Y", 5), {L"X"}},  // an odd last byte is no character
        {Utf16File(L"\u0100\u2000x\uFEFF\u00FF\r\n\uFFFF"), {L"\u0100\u2000x\uFEFF\u00FF", L"\uFFFF"}},
        {std::string("a\nb\0c\n", 6), {L"a", L"b"}}, {std::string("\0abc", 4), {}},
        {std::string("\r\n\r\nfirst line\n\n\n second\tline \r\r\nlast\n\r\n") + std::string(2, '\0'), lines},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(LinesOf(bytes), expected) << bytes;
    // The mark, then a zero character: no text (the mark alone is the data file tests').
    EXPECT_FALSE(tv::DecodeDataText(std::string("\xFF\xFE\0\0", 4)).has_value());

    // SplitLines is a LineReader's lines; the reader stays at the end once there.
    tv::LineReader reader(L"a\r\n");
    std::wstring_view line;
    EXPECT_TRUE(reader.Next(line) && line == L"a" && !reader.Next(line) && !reader.Next(line) && line == L"a");
}

// Lines over 128 characters are cut to 127. A failed search for a TAB starts
// again at the line's beginning; the last field keeps any further TABs.
// Country names fill 41 characters, tabs trimmed like blanks; a currency name
// that starts after character 127 of a long line is cut away.
TEST(CodeListRows, LongLinesAreCutAndTabsMakeFields) {
    EXPECT_EQ(tv::CutLongLine(std::wstring(128, L'x')), std::wstring(128, L'x'));
    EXPECT_EQ(tv::CutLongLine(std::wstring(129, L'y')), std::wstring(127, L'y'));
    for (auto [line, fields, split] : {std::tuple{L"A\tB", 3, Texts{L"A", L"", L"A\tB"}},
                                       {L"a\tb\tc\td", 3, {L"a", L"b", L"c\td"}}, {L"a\t\t", 3, {L"a", L"", L""}}}) {
        EXPECT_EQ(tv::SplitTabFields(line, fields), split) << line;
    }
    const std::tuple<const tv::RowReader*, std::wstring, Texts> rows[] = {
        {&tv::kCountryRows, L"Canada" + std::wstring(35, L' ') + L" +1 ", {L"Canada", L" +1 "}},
        {&tv::kCountryRows, L"Tabbed\t\t\t" + std::wstring(32, L' ') + L"44", {L"Tabbed", L"44"}},
        {&tv::kCountryRows, L"Long" + std::wstring(37, L' ') + std::wstring(159, L'9'),
         {L"Long", std::wstring(127 - 41, L'9')}},
        {&tv::kCityAreaRows, L"x\ty\tz", {L"x", L"y", L"z"}},
        {&tv::kCurrencyRows, L"USD x\tUS Dollar\tfor short", {L"USD", L"US Dollar\tfor short"}},
        {&tv::kCurrencyRows, L"EUR" + std::wstring(130, L' ') + L"\tEuro", {L"EUR", L""}},
    };
    for (const auto& [reader, line, row] : rows) EXPECT_EQ(tv::ReadRow(*reader, line), row) << line;
}

// A list keeps a row for each line up to its bound (two million lines reach
// the real one in the Wine tests), from a place in the text on; a short text
// moved along keeps its cells.
TEST(CodeListRows, RowsUpToTheBoundFromAPlaceInTheText) {
    EXPECT_EQ(tv::ListRows(L"a\nb\nc", tv::kCurrencyRows, 2).Count(), 2u);
    EXPECT_EQ(tv::ListRows(L"a\nb", tv::kCurrencyRows, 5, 99).Count(), 0u);
    tv::ListRows later(std::wstring(L"skip\na\tb\n"), tv::kCityAreaRows, 10, 5);
    const tv::ListRows moved = std::move(later);
    EXPECT_TRUE(moved.Count() == 1u && moved.Row(0) == (Texts{L"a", L"", L"a\tb"}));
}

// Fixed fields: trailing blanks and tabs go, leading ones stay; B ends at the
// x; a 200-character line keeps its first 127; no digits read as 0: group
// lines. Groups 5 to 99 are no groups: their labels stay in the group before;
// all labels come in group order whatever the file order. Group low, position high.
TEST(CareLabels, FixedFieldsMakeGroupsAndLabelsInGroupOrder) {
    const tv::CareLabelBook book = tv::ReadCareLabels(L"  2  0Drying\r\n130131Tumble dry, low heat  \t \r\n"
                                                      L"140  0  Line dry\n1604x2Text\n150\n170  0" +
                                                      std::wstring(194, L'm') + L"\nCare  Washing\n      \n");
    EXPECT_EQ(Shown(book, 2), (Texts{L"2:Drying", L"0:Washing", L"0:", L"130 131 Tumble dry, low heat",
                                     L"140 0   Line dry", L"160 4 Text", L"150 0 ",
                                     L"170 0 " + std::wstring(121, L'm')}));
    const tv::CareLabelBook ordered = tv::ReadCareLabels(
        L"100  0Before any group\n  3   Ironing\n300  0Iron low\n  5   Fifth\n301  0After group 5\n"
        L" 99   Ninety-nine\n302  0After group 99\n  1   Bleaching\n  0   Washing\n101  0Wash 30\n");
    EXPECT_EQ(Shown(ordered, tv::kAllCareLabels),
              (Texts{L"3:Ironing", L"1:Bleaching", L"0:Washing", L"100 0 Before any group", L"101 0 Wash 30",
                     L"300 0 Iron low", L"301 0 After group 5", L"302 0 After group 99"}));
    EXPECT_EQ(tv::CareLabelRows(ordered, 3), (std::vector<uint64_t>{3u, 3u | 1u << 16, 3u | 2u << 16}));
    EXPECT_TRUE(!tv::CareLabelOfRow(ordered, 3u | 3u << 16) && !tv::CareLabelOfRow(ordered, 5u));
}

// Beyond the bound only a damaged file reaches, labels are dropped; a group
// may hold more than 16 bits of positions.
TEST(CareLabels, LabelsBeyondTheBoundAreDropped) {
    const size_t many = tv::kMostCareLabels / 2 + 70000;
    std::wstring text = L"  4   Many\n";
    for (size_t i = 0; i < many; ++i) text += L"400  0four\n";
    text += L"  3   More\n";
    for (size_t i = 0; i < many; ++i) text += L"300  0three\n";
    const tv::CareLabelBook book = tv::ReadCareLabels(text + L"  1   Late\n100  0one\n");
    EXPECT_TRUE(book.labels[4].size() == many && book.labels[3].size() == tv::kMostCareLabels - many);
    EXPECT_EQ(Shown(book, 1), (Texts{L"4:Many", L"3:More", L"1:Late"}));
    const std::vector<uint64_t> rows = tv::CareLabelRows(book, tv::kAllCareLabels);
    ASSERT_TRUE(rows.size() == tv::kMostCareLabels && rows.back() == (4u | uint64_t{many - 1} << 16));
    EXPECT_EQ(tv::CareLabelOfRow(book, rows.back())->meaning + tv::CareLabelOfRow(book, rows.front())->meaning,
              L"fourthree");
}

// Canada's four columns scaled, to the nearest pixel and halves up at 150 %;
// the name takes what is left, never a negative width.
TEST(SalesTax, ColumnWidthsFollowTheScreenAndScale) {
    const tv::LayoutScale at96, at144{144, 144}, at192{192, 192};
    for (auto [region, screen, scrollBar, scale, expected] :
         {std::tuple{0, 480, 26, at192, std::vector<int>{216, 116, 110, 110}}, {0, 360, 20, at144, {162, 87, 83, 83}},
          {2, 640, 34, at192, {486, 120}}, {1, 50, 13, at96, {0, 60}}, {3, 240, 13, at96, {}}, {-1, 240, 13, at96, {}}}) {
        std::vector<int> widths;
        for (const tv::TaxColumn& c : tv::SalesTaxColumns(region, screen, scrollBar, scale)) widths.push_back(c.width);
        EXPECT_EQ(widths, expected) << region;
    }
}

TEST(SalesTax, FirstNonBlankLineGivesTheTitlesAndEveryOtherLineARow) {
    const tv::SalesTaxText usa(L"\r\n\r\nState\tRate\r\nAlabama\t4%\r\n\r\nTexas\t6.25%\tplus local\r\nOhio", 2);
    EXPECT_TRUE(usa.Titles() == (Texts{L"State", L"Rate"}) && usa.RowCount() == 3u);
    EXPECT_EQ(usa.Row(1), (Texts{L"Texas", L"6.25%\tplus local"}));
    EXPECT_TRUE(usa.Row(3).empty() && usa.Field(1, 2).empty() && usa.Field(3, 0).empty());
    EXPECT_EQ(tv::SalesTaxText(L"A\tB\r\n", 4).Titles(), (Texts{L"A", L"", L"A", L"B"}));
    EXPECT_TRUE(tv::SalesTaxText(L"\r\n\n", 2).Titles().empty());
}
