#include "reference/code_list.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace {

// A list of first-column texts with a selection, searched as the list view does.
struct FakeList : tv::LetterSearchList {
    std::vector<std::wstring> names;
    int selected = -1;
    int Selected() const override { return selected; }
    std::wstring FirstColumn(int row) const override { return names[row]; }
    int FindStartingWith(wchar_t letter) const override {
        for (size_t i = 0; i < names.size(); ++i) {
            if (!names[i].empty() && std::towlower(names[i][0]) == std::towlower(letter)) return static_cast<int>(i);
        }
        return -1;
    }
    void Select(int row) override { selected = row; }
};

std::wstring Padded(const std::wstring& name, const std::wstring& code) {
    return name + std::wstring(41 - name.size(), L' ') + code;
}

}  // namespace

TEST(CountryRows, NameColumnAndCode) {
    EXPECT_EQ(tv::CountryRowFromLine(Padded(L"Canada", L"+1")), (tv::ListRow{L"Canada", L"+1"}));
    EXPECT_EQ(tv::CountryRowFromLine(Padded(L"Somewhere", L" 12 34 ")), (tv::ListRow{L"Somewhere", L" 12 34 "}));
    // Exactly 41 characters: the whole line is the name; tabs trim like blanks.
    const std::wstring full(41, L'N');
    EXPECT_EQ(tv::CountryRowFromLine(full), (tv::ListRow{full, L""}));
    EXPECT_EQ(tv::CountryRowFromLine(L"Tabbed\t\t\t" + std::wstring(32, L' ') + L"44"), (tv::ListRow{L"Tabbed", L"44"}));
    EXPECT_EQ(tv::CountryRowFromLine(L"Short"), (tv::ListRow{L"Short", L""}));
    // A 200-character line is cut to 127 before the columns are taken.
    const tv::ListRow cut = tv::CountryRowFromLine(Padded(L"Long", std::wstring(159, L'9')));
    EXPECT_EQ(cut[1].size(), 127u - 41u);
}

// The TAB rule itself is DataText's; here only that city rows use it.
TEST(CityAreaRows, ThreeFieldsByTheTabRule) {
    const auto rows = tv::RowsFromText(L"\r\nx\ty\tz\r\n\r\nA\tB", tv::CityAreaRowFromLine);
    EXPECT_EQ(rows, (std::vector<tv::ListRow>{{L"x", L"y", L"z"}, {L"A", L"", L"A\tB"}}));
}

TEST(LetterStrip, CellsByPosition) {
    EXPECT_EQ(tv::StripCellAt(25, 240), 0);   // cells are 26 wide
    EXPECT_EQ(tv::StripCellAt(26, 240), 1);
    EXPECT_EQ(tv::StripCellAt(233, 240), 8);
    EXPECT_EQ(tv::StripCellAt(234, 240), -1);  // right of the ninth cell
    EXPECT_EQ(tv::StripCellAt(-3, 240), -1);
    EXPECT_EQ(tv::StripCellAt(0, 8), -1);      // narrower than nine pixels
}

TEST(LetterStrip, SearchStepsThroughTheGroupAndNeverWraps) {
    FakeList list;
    list.names = {L"Albania", L"Chad", L"Denmark", L"Egypt", L"Estonia", L"fiji"};
    EXPECT_EQ(tv::StripSearch(list, 1), 1);  // nothing selected: c first
    EXPECT_EQ(tv::StripSearch(list, 1), 2);  // from c on to d
    EXPECT_EQ(tv::StripSearch(list, 1), 3);  // then e
    EXPECT_EQ(tv::StripSearch(list, 1), 1);  // from e the group starts again at c
    // Upper-case names are found by lower-case group letters and the other way round.
    EXPECT_EQ(tv::StripSearch(list, 2), 5);
    // At the group's last letter with no later letter present the selection stays.
    list.names = {L"Chad", L"Denmark"};
    list.selected = 1;
    EXPECT_EQ(tv::StripSearch(list, 1), -1);
    EXPECT_EQ(list.selected, 1);
}

TEST(LetterStrip, DigitsComeBeforeLettersInTheFirstCell) {
    FakeList list;
    list.names = {L"Bravo", L"1st Street", L"Alpha", L"0 Zero"};
    EXPECT_EQ(tv::StripSearch(list, 0), 3);  // a row starting with 0 beats an earlier 1
    EXPECT_EQ(tv::StripSearch(list, 0), 1);
    EXPECT_EQ(tv::StripSearch(list, 0), 2);  // then a
    EXPECT_EQ(tv::StripSearch(list, 0), 0);  // then b
    list.names.clear();
    list.selected = -1;
    EXPECT_EQ(tv::StripSearch(list, 4), -1);  // an empty list finds nothing
    EXPECT_EQ(tv::StripSearch(list, 9), -1);
}

TEST(CurrencyRows, CodeAndTheNameAfterTheFirstTab) {
    using Row = tv::ListRow;
    EXPECT_EQ(tv::CurrencyRowFromLine(L"USD\tUS Dollar"), (Row{L"USD", L"US Dollar"}));
    EXPECT_EQ(tv::CurrencyRowFromLine(L"USD x\tUS Dollar\tfor short"), (Row{L"USD", L"US Dollar\tfor short"}));
    EXPECT_EQ(tv::CurrencyRowFromLine(L"US"), (Row{L"US", L""}));
    // A name that starts after character 127 of a long line is cut away.
    EXPECT_EQ(tv::CurrencyRowFromLine(std::wstring(L"EUR") + std::wstring(130, L' ') + L"\tEuro"), (Row{L"EUR", L""}));
}
