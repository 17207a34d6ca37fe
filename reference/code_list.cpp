#include "reference/code_list.h"

#include <cwctype>

#include "reference/data_text.h"

namespace tv {

const StripCell kStripCellTable[kStripCells] = {
    {L"#ab", L"0123456789ab"}, {L"cde", L"cde"}, {L"fgh", L"fgh"}, {L"ijk", L"ijk"}, {L"lmn", L"lmn"},
    {L"opq", L"opq"},          {L"rst", L"rst"}, {L"uvw", L"uvw"}, {L"xyz", L"xyz"},
};

ListRow CountryRowFromLine(std::wstring_view line) {
    constexpr size_t kNameColumn = 41;
    line = CutLongLine(line);
    std::wstring_view name = line.substr(0, kNameColumn);
    while (!name.empty() && std::iswspace(static_cast<wint_t>(name.back()))) name.remove_suffix(1);
    const std::wstring_view code = line.size() > kNameColumn ? line.substr(kNameColumn) : std::wstring_view();
    return {std::wstring(name), std::wstring(code)};
}

ListRow CityAreaRowFromLine(std::wstring_view line) { return SplitTabFields(line, 3); }

ListRow CurrencyRowFromLine(std::wstring_view line) {
    line = CutLongLine(line);
    const size_t tab = line.find(L'\t');
    return {std::wstring(line.substr(0, 3)),
            tab == std::wstring_view::npos ? std::wstring() : std::wstring(line.substr(tab + 1))};
}

std::vector<ListRow> RowsFromText(std::wstring_view text, ListRow (*rowFromLine)(std::wstring_view)) {
    std::vector<ListRow> rows;
    for (std::wstring_view line : SplitLines(text)) {
        // A list of hundreds of thousands of rows would take the window minutes to fill and empty.
        if (rows.size() == kMostCodeListRows) break;
        rows.push_back(rowFromLine(line));
    }
    return rows;
}

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
