#include "tools/clothing_sizes.h"

#include <iterator>

namespace tv {
namespace {

// Halves are ½ (U+00BD) in the shoe and shirt tables outside their JP
// columns, and a decimal point elsewhere: each cell is the text as printed.

constexpr const wchar_t* kWomenDressHeaders[] = {L"US", L"UK", L"FR", L"IT", L"DE", L"AU"};
constexpr const wchar_t* kWomenDressCells[] = {
    L"0", L"2", L"30", L"34", L"28", L"4",
    L"2", L"4", L"32", L"36", L"30", L"6",
    L"4", L"6", L"34", L"38", L"32", L"8",
    L"6", L"8", L"36", L"40", L"34", L"10",
    L"8", L"10", L"38", L"42", L"36", L"12",
    L"10", L"12", L"40", L"44", L"38", L"14",
    L"12", L"14", L"42", L"46", L"40", L"16",
    L"14", L"16", L"44", L"48", L"42", L"18",
    L"16", L"18", L"46", L"50", L"44", L"20",
    L"18", L"20", L"48", L"52", L"46", L"22",
    L"20", L"22", L"50", L"54", L"48", L"24",
};
static_assert(std::size(kWomenDressCells) == 6 * 11);

constexpr const wchar_t* kWomenShoeHeaders[] = {L"US", L"UK", L"Europe", L"AU", L"JP"};
constexpr const wchar_t* kWomenShoeCells[] = {
    L"5", L"2\u00BD", L"35", L"3\u00BD", L"21",
    L"5\u00BD", L"3", L"35\u00BD", L"4", L"21.5",
    L"6", L"3\u00BD", L"36", L"4\u00BD", L"22",
    L"6\u00BD", L"4", L"37", L"5", L"22.5",
    L"7", L"4\u00BD", L"37\u00BD", L"5\u00BD", L"23",
    L"7\u00BD", L"5", L"38", L"6", L"23.5",
    L"8", L"5\u00BD", L"38\u00BD", L"6\u00BD", L"24",
    L"8\u00BD", L"6", L"39", L"7", L"24.5",
    L"9", L"6\u00BD", L"40", L"7\u00BD", L"25",
    L"9\u00BD", L"7", L"41", L"8", L"25.5",
    L"10", L"7\u00BD", L"42", L"8\u00BD", L"26",
    L"10\u00BD", L"8\u00BD", L"43", L"9\u00BD", L"27",
    L"12", L"9\u00BD", L"44", L"10\u00BD", L"28",
};
static_assert(std::size(kWomenShoeCells) == 5 * 13);

constexpr const wchar_t* kWomenHosieryHeaders[] = {L"Size", L"Height", L"Weight"};
constexpr const wchar_t* kWomenHosieryCells[] = {
    L"A", L"150-163", L"40-51",
    L"B", L"150-163", L"56-68",
    L"B", L"165-175", L"45-61",
    L"C", L"165-175", L"60-74",
    L"C", L"178-183", L"54-63",
    L"D", L"155-175", L"70-83",
    L"XS", L"145-155", L"36-50",
    L"S", L"152-170", L"41-61",
    L"M", L"155-180", L"52-75",
    L"L", L"157-180", L"70-91",
};
static_assert(std::size(kWomenHosieryCells) == 3 * 10);

constexpr const wchar_t* kMenShirtHeaders[] = {L"US", L"Europe", L"UK", L"JP"};
constexpr const wchar_t* kMenShirtCells[] = {
    L"14", L"36", L"14", L"36",
    L"14\u00BD", L"37", L"14\u00BD", L"37",
    L"15", L"38", L"15", L"38",
    L"15\u00BD", L"39", L"15\u00BD", L"39",
    L"16", L"41", L"16", L"41",
    L"16\u00BD", L"42", L"16\u00BD", L"42",
    L"17", L"43", L"17", L"43",
    L"17\u00BD", L"44", L"17\u00BD", L"44",
};
static_assert(std::size(kMenShirtCells) == 4 * 8);

constexpr const wchar_t* kMenShoeHeaders[] = {L"US", L"UK", L"Europe", L"AU", L"JP"};
constexpr const wchar_t* kMenShoeCells[] = {
    L"6", L"5\u00BD", L"38", L"5\u00BD", L"24",
    L"6\u00BD", L"6", L"38\u00BD", L"6", L"24.5",
    L"7", L"6\u00BD", L"39", L"6\u00BD", L"25",
    L"7\u00BD", L"7", L"40", L"7", L"25.5",
    L"8", L"7\u00BD", L"41", L"7\u00BD", L"26",
    L"8\u00BD", L"8", L"42", L"8", L"26.5",
    L"9", L"8\u00BD", L"43", L"8\u00BD", L"27.5",
    L"10\u00BD", L"10", L"44", L"10", L"28.5",
    L"11\u00BD", L"11", L"45", L"11", L"29.5",
    L"12\u00BD", L"12", L"46\u00BD", L"12", L"30.5",
    L"14", L"13\u00BD", L"48\u00BD", L"13\u00BD", L"31.5",
};
static_assert(std::size(kMenShoeCells) == 5 * 11);

constexpr const wchar_t* kGirlShoeHeaders[] = {L"US", L"UK", L"JP", L"Europe"};
constexpr const wchar_t* kGirlShoeCells[] = {
    L"9.5", L"8", L"14.5", L"26",
    L"10", L"8.5", L"15", L"26.5",
    L"10.5", L"9", L"15.5", L"27",
    L"11", L"9.5", L"16", L"27.5",
    L"11.5", L"10", L"16.5", L"28",
    L"12", L"10.5", L"17", L"28.5",
    L"12.5", L"11", L"17.5", L"29",
    L"13", L"11.5", L"18", L"30",
    L"13.5", L"12", L"18.5", L"30.5",
    L"1", L"12.5", L"19", L"31",
    L"1.5", L"13", L"19.5", L"31.5",
    L"2", L"13.5", L"20", L"32.5",
    L"2.5", L"1", L"20.5", L"33",
    L"3", L"1.5", L"21", L"33.5",
    L"3.5", L"2", L"21.5", L"34",
    L"4", L"2.5", L"22", L"35",
};
static_assert(std::size(kGirlShoeCells) == 4 * 16);

constexpr const wchar_t* kBoyShoeHeaders[] = {L"US", L"UK", L"JP", L"Europe"};
constexpr const wchar_t* kBoyShoeCells[] = {
    L"11.5", L"11", L"16.5", L"29",
    L"12", L"11.5", L"17", L"29.7",
    L"12.5", L"12", L"17.5", L"30.5",
    L"13", L"12.5", L"18", L"31",
    L"13.5", L"13", L"18.5", L"31.5",
    L"1", L"13.5", L"19", L"33",
    L"1.5", L"1", L"19.5", L"33.5",
    L"2", L"1.5", L"20", L"34",
    L"2.5", L"2", L"20.5", L"34.7",
    L"3", L"2.5", L"21", L"35",
    L"3.5", L"3", L"21.5", L"35.5",
    L"4", L"3.5", L"22", L"36",
    L"4.5", L"4", L"22.5", L"37",
    L"5", L"4.5", L"23", L"37.5",
};
static_assert(std::size(kBoyShoeCells) == 4 * 14);

}  // namespace

const wchar_t* SizeTable::Cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= Rows() || column >= Columns()) return nullptr;
    return cells[static_cast<size_t>(row) * headers.size() + static_cast<size_t>(column)];
}

const SizeTable* SizeTableAt(int index) {
    static const SizeTable kTables[kSizeTableCount] = {
        {{IDS_SIZE_TABLE_FIRST, L"Women Dress Sizes"}, kWomenDressHeaders, kWomenDressCells, -1},
        {{IDS_SIZE_TABLE_FIRST + 1, L"Women Shoe Sizes"}, kWomenShoeHeaders, kWomenShoeCells, -1},
        {{IDS_SIZE_TABLE_FIRST + 2, L"Women Hosiery Sizes"}, kWomenHosieryHeaders, kWomenHosieryCells, 1},
        {{IDS_SIZE_TABLE_FIRST + 3, L"Men Shirt Sizes"}, kMenShirtHeaders, kMenShirtCells, -1},
        {{IDS_SIZE_TABLE_FIRST + 4, L"Men Shoe Sizes"}, kMenShoeHeaders, kMenShoeCells, -1},
        {{IDS_SIZE_TABLE_FIRST + 5, L"Girl Shoe Sizes"}, kGirlShoeHeaders, kGirlShoeCells, -1},
        {{IDS_SIZE_TABLE_LAST, L"Boy Shoe Sizes"}, kBoyShoeHeaders, kBoyShoeCells, -1},
    };
    return index >= 0 && index < kSizeTableCount ? &kTables[index] : nullptr;
}

}  // namespace tv
