#include "units/unit_tables.h"

#include <iterator>

namespace tv {
namespace {

// A factor fixed by a definition is written as that definition, with its
// source; the few conventions (mach, hp, the inch of air, binary storage
// multiples) are said to be so beside them and in the help.
constexpr double kPi = 3.141592653589793;
constexpr double kInch = 0.0254;          // m; international yard and pound, 1959
constexpr double kPound = 0.45359237;     // kg; international yard and pound, 1959
constexpr double kGravity = 9.80665;      // m/s2; standard gravity, 3rd CGPM 1901
constexpr double kPoundForce = kPound * kGravity;         // N
constexpr double kFootPoundForce = 0.3048 * kPoundForce;  // J
constexpr double kCubicInch = kInch * kInch * kInch * 1000;  // l
constexpr double kUsGallon = 231 * kCubicInch;  // l; 231 in3 (NIST SP 811, appendix B)
// Pa per metre of mercury: the conventional density 13595.1 kg/m3 under
// standard gravity (NIST SP 811, appendix B).
constexpr double kMercury = 13595.1 * kGravity;
constexpr double kAstronomicalUnit = 149597870.7;  // km; IAU 2012 Resolution B2

const wchar_t* const kTemperatureNames[] = {L"C", L"F", L"K"};

const wchar_t* const kMassNames[] = {
    L"kg", L"g", L"mg", L"lb", L"oz", L"t", L"carats (metric)", L"tons (UK)", L"tons (US)"};
const double kMassFactors[] = {
    1, 0.001, 0.000001, kPound, kPound / 16, 1000, 0.0002, 2240 * kPound, 2000 * kPound};

const wchar_t* const kLengthNames[] = {L"mm", L"cm", L"m", L"km", L"mi", L"yd", L"ft", L"in"};
const double kLengthFactors[] = {0.001, 0.01, 1, 1000, 1609.344, 0.9144, 0.3048, 0.0254};

const wchar_t* const kVolumeNames[] = {
    L"l",          L"ml",          L"cu m",         L"cu cm",        L"gal",
    L"gal (Dry)",  L"qt",          L"qt (Dry)",     L"cu in",        L"fl oz",
    L"cup",        L"table spoon", L"tea spoon",    L"gal (UK)",     L"qt (UK)",
    L"pt (UK)",    L"fl oz (UK)",  L"bushels (US)", L"bushels (UK)", L"barrels (oil)"};
// US measures from the gallon and the bushel (2150.42 in3), imperial ones
// from the gallon of 4.54609 l (UK Weights and Measures Act 1985).
const double kVolumeFactors[] = {
    1,                     0.001,                  1000,                 0.001,
    kUsGallon,             268.8025 * kCubicInch,  kUsGallon / 4,        67.200625 * kCubicInch,
    kCubicInch,            kUsGallon / 128,        kUsGallon / 16,       kUsGallon / 256,
    kUsGallon / 768,       4.54609,                4.54609 / 4,          4.54609 / 8,
    4.54609 / 160,         2150.42 * kCubicInch,   8 * 4.54609,          42 * kUsGallon};

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
    1, 0.01, 1000, 1000.0 / 3600, 0.3048, 1609.344, 0.44704,
    340.4209557,    // mach: the sea-level speed of sound, a convention
    1852.0 / 3600,  // knot: the international nautical mile, 1852 m
    299792458};     // m/s exactly, 17th CGPM 1983

// Position 2 holds a megawatt (its factor always was one million watts) and
// position 7 the mechanical horsepower its factor measures; the metric one is
// position 14.
const wchar_t* const kPowerNames[] = {
    L"kW",        L"W",         L"MW",        L"GW",       L"hp",
    L"BTU/h",     L"joules/h",  L"hp (mech)", L"ft lb-f/h", L"ft lb-f/m",
    L"ft lb-f/s", L"km-f m/h",  L"km-f m/m",  L"km-f m/s", L"pferdestarke"};
// hp is the electric horsepower, 746 W by convention; the BTU is the
// International Table one, 1055.05585262 J.
const double kPowerFactors[] = {
    1000,                      1,                      1000000,
    1000000000,                746,                    1055.05585262 / 3600,
    1.0 / 3600,                550 * kFootPoundForce,  kFootPoundForce / 3600,
    kFootPoundForce / 60,      kFootPoundForce,        kGravity / 3600,
    kGravity / 60,             kGravity,               75 * kGravity};

const wchar_t* const kTorqueNames[] = {L"Nm", L"kg-m", L"g-cm", L"lb-ft", L"lb-in"};
const double kTorqueFactors[] = {1, kGravity, kGravity / 100000, kFootPoundForce, kFootPoundForce / 12};

// One dyne is 0.00001 N.
const wchar_t* const kForceNames[] = {L"N", L"kN", L"MN", L"kgf", L"lbf", L"dynes"};
const double kForceFactors[] = {1, 1000, 1000000, kGravity, kPoundForce, 0.00001};

// Position 13's factor is a millimetre of mercury, and is labelled so.
const wchar_t* const kPressureNames[] = {
    L"Pa",       L"kPa",           L"PSI (lb-f/in\u00B2)", L"atm",        L"bar",
    L"in Hg (32F)", L"cm Hg (0C)", L"MPa",                 L"GPa",        L"kip/in\u00B2",
    L"kip/ft\u00B2", L"microbar",  L"millibar",            L"mm Hg",      L"in of water (39.2F)",
    L"in of air (32F)", L"kg-f/m\u00B2"};
// The inch of water is 1000 kg/m3 of water under standard gravity; the inch
// of air keeps the design's value, a convention.
const double kPressureFactors[] = {
    1,                                  1000,
    kPoundForce / (kInch * kInch),      101325,
    100000,                             kMercury * kInch,
    kMercury / 100,                     1000000,
    1000000000,                         1000 * kPoundForce / (kInch * kInch),
    1000 * kPoundForce / (kInch * kInch) / 144, 0.1,
    100,                                kMercury / 1000,
    1000 * kGravity * kInch,            0.3220074,
    kGravity};

const wchar_t* const kEnergyNames[] = {
    L"J", L"kJ", L"MJ", L"kWh", L"cal (IT)", L"cal (food)", L"eV", L"therms"};
// The food calorie is the labelling kilocalorie, 4.184 kJ (EU Regulation
// 1169/2011, US 21 CFR 101.9); the electronvolt is exact since the SI of 2019;
// the therm is the EC therm, 105.506 MJ (Directive 80/181/EEC).
const double kEnergyFactors[] = {1, 1000, 1000000, 3600000, 4.1868, 4184, 1.602176634e-19, 105506000};

const wchar_t* const kAstronomicalNames[] = {
    L"m", L"km", L"mi", L"Astronomical unit (A.U.)", L"light-year", L"parsec"};
const double kAstronomicalFactors[] = {
    0.001, 1, 1.609344, kAstronomicalUnit,
    299792.458 * 365.25 * 86400,          // c times the Julian year (IAU)
    648000 / kPi * kAstronomicalUnit};    // IAU 2015 Resolution B2

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
    1 / (2 * kPi * 3600),
    1 / (2 * kPi * 60),
    1 / (2 * kPi),
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
