// The code lists (dialing codes, city areas, currencies): how a line becomes
// a row, and the letter strip under the first two with its search.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reference/data_text.h"

namespace tv {

// One row of a list: its column texts, the first searched by the strip.
using ListRow = std::vector<std::wstring>;

// A Countries.dat line: the name in the first 41 characters (trailing white
// space removed) and the dialing code after them, as written. Lines longer
// than 128 characters are cut to 127 first.
ListRow CountryRowFromLine(std::wstring_view line);

// A CityArea.dat line: three fields by the TAB rule.
ListRow CityAreaRowFromLine(std::wstring_view line);

// A CurrencyCode.dat or Euro.dat line: the code in the first three
// characters, the name after the first TAB (none without one). Lines longer
// than 128 characters are cut to 127 first.
ListRow CurrencyRowFromLine(std::wstring_view line);

// The same three cuts, for the rows of a whole file (ListRows).
extern const RowReader kCountryRows;
extern const RowReader kCityAreaRows;
extern const RowReader kCurrencyRows;

// The most rows a code list shows: far more than any real file holds. A row
// is 8 bytes a column beside the file's text, so a damaged 16 MiB file of
// one-letter lines, cut here, costs its lists at most 24 MiB more.
inline constexpr size_t kMostCodeListRows = size_t{1} << 20;

// About as many rows as each shipped file holds (the euro list's are
// kEuroCurrencyCount); the lists count their rows themselves.
inline constexpr int kCountryRowsHint = 232;
inline constexpr int kCityAreaRowsHint = 447;
inline constexpr int kCurrencyRowsHint = 169;

// The letter strip: nine cells, each with a label and the characters its tap
// looks for.
constexpr int kStripCells = 9;
struct StripCell {
    const wchar_t* label;
    const wchar_t* group;
};
extern const StripCell kStripCellTable[kStripCells];

// The cell under client x on a strip `width` pixels wide, or -1 for none
// (the few pixels right of the ninth cell, or a strip too narrow to tap).
int StripCellAt(int x, int width);

// The list the strip searches.
class LetterSearchList {
public:
    virtual ~LetterSearchList() = default;
    // The selected row, or -1.
    virtual int Selected() const = 0;
    virtual std::wstring FirstColumn(int row) const = 0;
    // The first row whose first column begins with `letter`, ignoring case; -1 for none.
    virtual int FindStartingWith(wchar_t letter) const = 0;
    virtual void Select(int row) = 0;
};

// A tap on `cell`: the first row beginning with the group's next letter after
// the selected row's, never wrapping past the group's end. Returns the row
// chosen, or -1 when the selection stays.
int StripSearch(LetterSearchList& list, int cell);

}  // namespace tv
