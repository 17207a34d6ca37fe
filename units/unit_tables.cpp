#include "units/unit_tables.h"

#include <iterator>

namespace tv {
namespace {

// Each factor is the shortest decimal that reads back to the intended double.

const wchar_t* const kTemperatureNames[] = {L"C", L"F", L"K"};

const wchar_t* const kMassNames[] = {
    L"kg", L"g", L"mg", L"lb", L"oz", L"t", L"carats (metric)", L"tons (UK)", L"tons (US)"};
const double kMassFactors[] = {
    1, 0.001, 0.000001, 0.453592376254, 0.0283495179292, 1000, 0.0002, 1016.0469088, 907.18474};

const wchar_t* const kLengthNames[] = {L"mm", L"cm", L"m", L"km", L"mi", L"yd", L"ft", L"in"};
const double kLengthFactors[] = {0.001, 0.01, 1, 1000, 1609.344, 0.9144, 0.3048, 0.0254};

const wchar_t* const kVolumeNames[] = {
    L"l",          L"ml",          L"cu m",         L"cu cm",        L"gal",
    L"gal (Dry)",  L"qt",          L"qt (Dry)",     L"cu in",        L"fl oz",
    L"cup",        L"table spoon", L"tea spoon",    L"gal (UK)",     L"qt (UK)",
    L"pt (UK)",    L"fl oz (UK)",  L"bushels (US)", L"bushels (UK)", L"barrels (oil)"};
const double kVolumeFactors[] = {
    1,          0.001,          1000,          0.001,          3.785412,
    4.40488377, 0.946352899996, 1.10122094,    0.016387064,    0.0295735295625,
    0.2365882365, 0.01478676478125, 0.00492892159375, 4.54609, 1.1365225,
    0.56826125, 0.0284130625,   35.23907016688, 36.36872,      158.987294928};

const wchar_t* const kAreaNames[] = {
    L"cm\u00B2", L"m\u00B2", L"km\u00B2", L"hectares", L"in\u00B2", L"ft\u00B2", L"mi\u00B2", L"acres"};
const double kAreaFactors[] = {
    1, 10000, 10000000000, 100000000, 6.4516, 929.0304, 25899881103.36, 40468564.224};

const wchar_t* const kComputerNames[] = {
    L"Bits", L"Bytes", L"Kilobytes (KB)", L"Megabytes (MB)", L"Gigabytes (GB)", L"Terabytes",
    L"Petabytes"};
const double kComputerFactors[] = {
    0.125, 1, 1024, 1048576, 1073741824, 1099511627776, 1125899906842624};

const wchar_t* const kSpeedNames[] = {
    L"m/s", L"cm/s", L"km/s", L"km/h", L"ft/s", L"mps", L"mph", L"mach", L"knot", L"speed of light"};
const double kSpeedFactors[] = {
    1, 0.01, 1000, 0.277777777778, 0.3048, 1609.344, 0.44704, 340.4209557, 0.5144444, 299790000};

// Position 2 holds a megawatt (its factor always was one million watts) and
// position 7 the mechanical horsepower its factor measures; the metric one is
// position 14.
const wchar_t* const kPowerNames[] = {
    L"kW",        L"W",         L"MW",        L"GW",       L"hp",
    L"BTU/h",     L"joules/h",  L"hp (mech)", L"ft lb-f/h", L"ft lb-f/m",
    L"ft lb-f/s", L"km-f m/h",  L"km-f m/m",  L"km-f m/s", L"pferdestarke"};
const double kPowerFactors[] = {
    1000,      1,         1000000,   1000000000, 746,
    0.293071,  0.00027777777778, 745.699872, 0.0003766, 0.022597,
    1.3558179, 0.0027241, 0.1634442, 9.80665,    735.49875};

const wchar_t* const kTorqueNames[] = {L"Nm", L"kg-m", L"g-cm", L"lb-ft", L"lb-in"};
const double kTorqueFactors[] = {1, 9.80665, 0.00009808, 1.355817948, 0.112984829};

// One dyne is 0.00001 N.
const wchar_t* const kForceNames[] = {L"N", L"kN", L"MN", L"kgf", L"lbf", L"dynes"};
const double kForceFactors[] = {1, 1000, 1000000, 9.80665, 4.448222, 0.00001};

// Position 13's factor is a millimetre of mercury, and is labelled so.
const wchar_t* const kPressureNames[] = {
    L"Pa",       L"kPa",           L"PSI (lb-f/in\u00B2)", L"atm",        L"bar",
    L"in Hg (32F)", L"cm Hg (0C)", L"MPa",                 L"GPa",        L"kip/in\u00B2",
    L"kip/ft\u00B2", L"microbar",  L"millibar",            L"mm Hg",      L"in of water (39.2F)",
    L"in of air (32F)", L"kg-f/m\u00B2"};
const double kPressureFactors[] = {
    1,         1000,           6894.757,  101325,      100000,
    3386.389,  1333.22,        1000000,   1000000000,  6894757.28,
    47880.25888889, 0.1,       100,       133.32239,   249.0889083,
    0.3220074, 9.80665};

const wchar_t* const kEnergyNames[] = {
    L"J", L"kJ", L"MJ", L"kWh", L"cal (IT)", L"cal (food)", L"eV", L"therms"};
const double kEnergyFactors[] = {1, 1000, 1000000, 3600000, 4.1868, 4186, 1.60219e-19, 105500000};

const wchar_t* const kAstronomicalNames[] = {
    L"m", L"km", L"mi", L"Astronomical unit (A.U.)", L"light-year", L"parsec"};
const double kAstronomicalFactors[] = {
    0.001, 1, 1.609344, 149598073, 9460753090819, 30856780000000};

// One fresnel is 10^12 Hz.
const wchar_t* const kFrequencyNames[] = {
    L"mHz",          L"Hz",           L"khz",          L"MHz",   L"GHz",
    L"\u00B0/h",     L"\u00B0/m",     L"\u00B0/s",     L"rad/h", L"rad/m",
    L"rad/s",        L"revolution/h", L"revolution/m", L"revolution/s", L"fresnel"};
const double kFrequencyFactors[] = {
    0.001,
    1,
    1000,
    1000000,
    1000000000,
    0.0000007716049382716049,
    0.000046296296296296294,
    0.002777777777777778,
    0.00004420970662129218,
    0.002652582373823553,
    0.15915494327375637,
    0.0002777777777777778,
    0.016666666666666666,
    1,
    1e12};

template <size_t N>
constexpr UnitTable Table(const wchar_t* const (&names)[N], const double (&factors)[N]) {
    return {static_cast<int>(N), names, factors};
}

const UnitTable kTables[kCategoryCount] = {
    {static_cast<int>(std::size(kTemperatureNames)), kTemperatureNames, nullptr},
    Table(kMassNames, kMassFactors),
    Table(kLengthNames, kLengthFactors),
    Table(kVolumeNames, kVolumeFactors),
    Table(kAreaNames, kAreaFactors),
    Table(kComputerNames, kComputerFactors),
    Table(kSpeedNames, kSpeedFactors),
    Table(kPowerNames, kPowerFactors),
    Table(kTorqueNames, kTorqueFactors),
    Table(kForceNames, kForceFactors),
    Table(kPressureNames, kPressureFactors),
    Table(kEnergyNames, kEnergyFactors),
    Table(kAstronomicalNames, kAstronomicalFactors),
    Table(kFrequencyNames, kFrequencyFactors),
};

const wchar_t* const kCategoryNames[kCategoryCount] = {
    L"Temperature", L"Mass",     L"Length", L"Volume", L"Area",   L"Computer",     L"Speed",
    L"Power",       L"Torque",   L"Force",  L"Pressure", L"Energy", L"Astronomical", L"Frequency"};

}  // namespace

const UnitTable& UnitTableFor(int id) { return kTables[id]; }

const wchar_t* CategoryName(int id) { return kCategoryNames[id]; }

}  // namespace tv
