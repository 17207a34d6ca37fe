// The names people type for the units, besides the names the lists show:
// words in both spellings and numbers, symbols, and their ASCII forms. Read
// by the command line; the lists and the stored selections never see them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Further names of the unit the lists call `listName`, '|' between them; they
// name it in every category whose list has that name ("m" in Length and
// Astronomical).
struct TypedUnitNames {
    const wchar_t* listName;
    const wchar_t* names;
};
std::span<const TypedUnitNames> TypedNamesOfUnits();

struct UnitPlace {
    int category;
    int position;
    bool operator==(const UnitPlace&) const = default;
};

// A name as lookups compare it: letter case folded, ² and ³ written 2 and 3
// ("m^2" too), the Greek mu as the micro sign, runs of blanks as one.
std::wstring UnitNameKey(std::wstring_view name);

// Every unit `name` names, by a list's name or a typed one, in category
// `onlyCategory` or (-1) in all: those spelled exactly so, or when there are
// none those whose key is the name's. Case thus counts only where it tells
// two units apart ("mHz", "MHz").
std::vector<UnitPlace> FindUnitsNamed(std::wstring_view name, int onlyCategory = -1);

}  // namespace tv
