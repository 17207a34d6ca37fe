#include "reference/code_list.h"

#include <cwctype>

namespace tv {

const StripCell kStripCellTable[kStripCells] = {
    {L"#ab", L"0123456789ab"}, {L"cde", L"cde"}, {L"fgh", L"fgh"}, {L"ijk", L"ijk"}, {L"lmn", L"lmn"},
    {L"opq", L"opq"},          {L"rst", L"rst"}, {L"uvw", L"uvw"}, {L"xyz", L"xyz"},
};

namespace {

void CutCountryLine(std::wstring_view line, int, std::wstring_view* cells) {
    constexpr size_t kNameColumn = 41;
    line = CutLongLine(line);
    std::wstring_view name = line.substr(0, kNameColumn);
    while (!name.empty() && IsWhiteSpace(name.back())) name.remove_suffix(1);
    cells[0] = name;
    cells[1] = line.size() > kNameColumn ? line.substr(kNameColumn) : std::wstring_view();
}

void CutCurrencyLine(std::wstring_view line, int, std::wstring_view* cells) {
    line = CutLongLine(line);
    const size_t tab = line.find(L'\t');
    cells[0] = line.substr(0, 3);
    cells[1] = tab == std::wstring_view::npos ? std::wstring_view() : line.substr(tab + 1);
}

}  // namespace

const RowReader kCountryRows = {2, CutCountryLine};
const RowReader kCityAreaRows = {3, CutTabFields};
const RowReader kCurrencyRows = {2, CutCurrencyLine};

ListRow CountryRowFromLine(std::wstring_view line) { return ReadRow(kCountryRows, line); }
ListRow CityAreaRowFromLine(std::wstring_view line) { return ReadRow(kCityAreaRows, line); }
ListRow CurrencyRowFromLine(std::wstring_view line) { return ReadRow(kCurrencyRows, line); }

int StripCellAt(int x, int width) {
    const int cellWidth = width / kStripCells;
    if (cellWidth <= 0 || x < 0) return -1;
    const int cell = x / cellWidth;
    return cell < kStripCells ? cell : -1;
}

int StripSearch(LetterSearchList& list, int cell) {
    if (cell < 0 || cell >= kStripCells) return -1;
    const std::wstring_view group = kStripCellTable[cell].group;
    size_t start = 0;
    if (const int selected = list.Selected(); selected >= 0) {
        const std::wstring text = list.FirstColumn(selected);
        const wint_t first = std::towlower(static_cast<wint_t>(text.empty() ? L'\0' : text[0]));
        for (size_t k = 0; k < group.size(); ++k) {
            if (std::towlower(static_cast<wint_t>(group[k])) == first) {
                start = k + 1;
                break;
            }
        }
        if (start == group.size()) start = 0;
    }
    for (size_t k = start; k < group.size(); ++k) {
        const int row = list.FindStartingWith(group[k]);
        if (row >= 0) {
            list.Select(row);
            return row;
        }
    }
    return -1;
}

}  // namespace tv
