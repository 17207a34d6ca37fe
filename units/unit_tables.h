// The fourteen unit lists of the converter. List positions are stored in the
// registry as unit selections, so the order of every table is a file format.
#pragma once

#include <cstddef>

namespace tv {

// Number of unit categories; also the number of stored selection slots.
constexpr int kCategoryCount = 14;

enum CategoryId : int {
    kTemperature = 0,
    kMass,
    kLength,
    kVolume,
    kArea,
    kComputer,
    kSpeed,
    kPower,
    kTorque,
    kForce,
    kPressure,
    kEnergy,
    kAstronomical,
    kFrequency,
};

// names[i] and factors[i] describe one unit; a factor is the size of one unit
// in the category's base unit. Temperature has names only (factors == nullptr).
struct UnitTable {
    int count;
    const wchar_t* const* names;
    const double* factors;
};

// The table of a category; id must be 0 to kCategoryCount - 1.
const UnitTable& UnitTableFor(int id);

// The category's name as the Unit menu shows it ("Temperature", "Mass", ...).
const wchar_t* CategoryName(int id);

}  // namespace tv
