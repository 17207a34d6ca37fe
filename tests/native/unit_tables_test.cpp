#include "units/unit_tables.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

#include "fake_number_grouping.h"
#include "fake_settings_store.h"
#include "units/unit_category.h"

namespace {

std::vector<std::wstring> Names(int id) {
    const tv::UnitTable& t = tv::UnitTableFor(id);
    return std::vector<std::wstring>(t.names, t.names + t.count);
}

// One conversion through a fresh category object, as the window makes it.
double Conv(int id, double value, int from, int to) {
    FakeSettingsStore store;
    tv::SettingsHome home{{}, &store};
    return tv::CreateUnitCategory(id, home)->Convert(value, from, to);
}

}  // namespace

TEST(UnitTables, EveryNameListIsExact) {
    using V = std::vector<std::wstring>;
    EXPECT_EQ(Names(0), (V{L"C", L"F", L"K"}));
    EXPECT_EQ(Names(1), (V{L"kg", L"g", L"mg", L"lb", L"oz", L"t", L"carats (metric)", L"tons (UK)", L"tons (US)"}));
    EXPECT_EQ(Names(2), (V{L"mm", L"cm", L"m", L"km", L"mi", L"yd", L"ft", L"in"}));
    EXPECT_EQ(Names(3), (V{L"l", L"ml", L"cu m", L"cu cm", L"gal", L"gal (Dry)", L"qt", L"qt (Dry)",
                           L"cu in", L"fl oz", L"cup", L"table spoon", L"tea spoon", L"gal (UK)",
                           L"qt (UK)", L"pt (UK)", L"fl oz (UK)", L"bushels (US)", L"bushels (UK)",
                           L"barrels (oil)"}));
    EXPECT_EQ(Names(4), (V{L"cm\u00B2", L"m\u00B2", L"km\u00B2", L"hectares", L"in\u00B2", L"ft\u00B2",
                           L"mi\u00B2", L"acres"}));
    EXPECT_EQ(Names(5), (V{L"Bits", L"Bytes", L"Kilobytes (KB)", L"Megabytes (MB)", L"Gigabytes (GB)",
                           L"Terabytes", L"Petabytes"}));
    EXPECT_EQ(Names(6), (V{L"m/s", L"cm/s", L"km/s", L"km/h", L"ft/s", L"mps", L"mph", L"mach", L"knot",
                           L"speed of light"}));
    EXPECT_EQ(Names(7), (V{L"kW", L"W", L"MW", L"GW", L"hp", L"BTU/h", L"joules/h", L"hp (mech)",
                           L"ft lb-f/h", L"ft lb-f/m", L"ft lb-f/s", L"km-f m/h", L"km-f m/m",
                           L"km-f m/s", L"pferdestarke"}));
    EXPECT_EQ(Names(8), (V{L"Nm", L"kg-m", L"g-cm", L"lb-ft", L"lb-in"}));
    EXPECT_EQ(Names(9), (V{L"N", L"kN", L"MN", L"kgf", L"lbf", L"dynes"}));
    EXPECT_EQ(Names(10), (V{L"Pa", L"kPa", L"PSI (lb-f/in\u00B2)", L"atm", L"bar", L"in Hg (32F)",
                            L"cm Hg (0C)", L"MPa", L"GPa", L"kip/in\u00B2", L"kip/ft\u00B2", L"microbar",
                            L"millibar", L"mm Hg", L"in of water (39.2F)", L"in of air (32F)",
                            L"kg-f/m\u00B2"}));
    EXPECT_EQ(Names(11), (V{L"J", L"kJ", L"MJ", L"kWh", L"cal (IT)", L"cal (food)", L"eV", L"therms"}));
    EXPECT_EQ(Names(12), (V{L"m", L"km", L"mi", L"Astronomical unit (A.U.)", L"light-year", L"parsec"}));
    EXPECT_EQ(Names(13), (V{L"mHz", L"Hz", L"khz", L"MHz", L"GHz", L"\u00B0/h", L"\u00B0/m", L"\u00B0/s",
                            L"rad/h", L"rad/m", L"rad/s", L"revolution/h", L"revolution/m",
                            L"revolution/s", L"fresnel"}));
    EXPECT_EQ(tv::UnitTableFor(0).factors, nullptr);
    for (int id = 1; id < tv::kCategoryCount; ++id) EXPECT_NE(tv::UnitTableFor(id).factors, nullptr);
}

TEST(UnitTables, FactorsAreTheIntendedDoubles) {
    struct Sample { int id, index; uint64_t bits; };
    // Bit patterns worked out independently of this code.
    const Sample samples[] = {
        {1, 3, 0x3fdd07a8516e7471},   // lb
        {2, 7, 0x3f9a027525460aa6},   // in
        {3, 9, 0x3f9e4885f9316256},   // fl oz
        {4, 6, 0x42181f034a3d70a4},   // mi²
        {5, 6, 0x4310000000000000},   // Petabytes
        {6, 3, 0x3fd1c71c71c72c15},   // km/h
        {7, 6, 0x3f323456789b5d00},   // joules/h
        {8, 3, 0x3ff5b16e291fd657},   // lb-ft
        {9, 4, 0x4011cafab53d640f},   // lbf
        {10, 10, 0x40e7610848d15a7b}, // kip/ft²
        {11, 6, 0x3c07a4e7164efbbc},  // eV
        {12, 4, 0x42a13581a7920600},  // light-year
        {13, 5, 0x3ea9e409340f4581},  // °/h
        {13, 10, 0x3fc45f306e2dc32d}, // rad/s
    };
    for (const Sample& s : samples) {
        EXPECT_EQ(std::bit_cast<uint64_t>(tv::UnitTableFor(s.id).factors[s.index]), s.bits)
            << "category " << s.id << " unit " << s.index;
    }
}

TEST(UnitTables, KnownConversions) {
    EXPECT_EQ(Conv(tv::kMass, 1, 3, 1), 453.592376254);  // lb → g
    EXPECT_EQ(Conv(tv::kLength, 1, 4, 3), 1.609344);     // mi → km
    EXPECT_EQ(Conv(tv::kAstronomical, 1, 2, 1), 1.609344);
    EXPECT_EQ(Conv(tv::kComputer, 1, 2, 0), 8192.0);     // KB → Bits
    EXPECT_EQ(Conv(tv::kVolume, 1, 3, 1), 1.0);          // cu cm → ml
    EXPECT_EQ(Conv(tv::kPressure, 1, 3, 4), 1.01325);    // atm → bar
    EXPECT_EQ(Conv(tv::kAstronomical, 1, 4, 1), 9460753090819.0);
    EXPECT_EQ(Conv(tv::kMass, 1, 0, 0), 1.0);
    // The mended entries now say what their factors say.
    EXPECT_EQ(Conv(tv::kPower, 1, 2, 0), 1000.0);        // MW → kW
    EXPECT_EQ(Conv(tv::kFrequency, 1, 14, 1), 1e12);     // fresnel → Hz
    EXPECT_EQ(Conv(tv::kFrequency, 1e12, 1, 14), 1.0);
    EXPECT_EQ(tv::FormatDisplayNumber(Conv(tv::kForce, 1, 0, 5), 2, false, FakeNumberGrouping()),
              L"100000.0000");                            // N → dynes
    EXPECT_EQ(Conv(tv::kForce, 100000, 5, 0), 1.0);
    EXPECT_NEAR(Conv(tv::kPressure, 760, 13, 3), 1.0, 1e-6);  // 760 mm Hg is one atmosphere
    EXPECT_NEAR(Conv(tv::kPower, 1, 7, 1), 745.7, 0.01);
}

TEST(Temperature, FormulasGiveTheseExactDoubles) {
    EXPECT_EQ(Conv(0, 100, 0, 1), 212.0);
    EXPECT_EQ(Conv(0, -40, 0, 1), -40.0);
    EXPECT_EQ(Conv(0, 37, 0, 1), 98.60000000000001);
    EXPECT_EQ(Conv(0, 212, 1, 0), 100.0);
    EXPECT_EQ(Conv(0, 0, 0, 2), 273.15);
    EXPECT_EQ(Conv(0, 0, 2, 0), -273.15);
    EXPECT_EQ(Conv(0, 100, 2, 0), -173.14999999999998);
    EXPECT_EQ(Conv(0, 32, 1, 2), 273.15);
    EXPECT_EQ(Conv(0, 0, 2, 1), ((-273.15 * 9.0) * 0.2) + 32.0);
    EXPECT_EQ(Conv(0, 0.1, 2, 2), 0.1);
    EXPECT_EQ(Conv(0, 0.1, 1, 1), 0.1);
}
