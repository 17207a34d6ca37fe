#include "units/unit_tables.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "fake_settings_store.h"
#include "units/unit_category.h"

namespace {

// The category's unit names joined by '|'.
std::wstring Names(int id) {
    const tv::UnitTable& t = tv::UnitTableFor(id);
    std::wstring joined;
    for (int i = 0; i < t.count; ++i) joined += (i ? L"|" : L"") + std::wstring(t.names[i]);
    return joined;
}

// One conversion through a fresh category object, as the window makes it.
double Conv(int id, double value, int from, int to) {
    FakeSettingsStore store;
    tv::SettingsHome home{{}, &store};
    return tv::CreateUnitCategory(id, home)->Convert(value, from, to);
}

}  // namespace

TEST(UnitTables, EveryNameListIsExact) {
    EXPECT_EQ(Names(0), L"C|F|K");
    EXPECT_EQ(Names(1), L"kg|g|mg|lb|oz|t|carats (metric)|tons (UK)|tons (US)");
    EXPECT_EQ(Names(2), L"mm|cm|m|km|mi|yd|ft|in");
    EXPECT_EQ(Names(3), L"l|ml|cu m|cu cm|gal|gal (Dry)|qt|qt (Dry)|cu in|fl oz|cup|table spoon|tea spoon|gal (UK)|"
                        L"qt (UK)|pt (UK)|fl oz (UK)|bushels (US)|bushels (UK)|barrels (oil)");
    EXPECT_EQ(Names(4), L"cm\u00B2|m\u00B2|km\u00B2|hectares|in\u00B2|ft\u00B2|mi\u00B2|acres");
    EXPECT_EQ(Names(5), L"Bits|Bytes|Kilobytes (KB)|Megabytes (MB)|Gigabytes (GB)|Terabytes|Petabytes");
    EXPECT_EQ(Names(6), L"m/s|cm/s|km/s|km/h|ft/s|mps|mph|mach|knot|speed of light");
    EXPECT_EQ(Names(7), L"kW|W|MW|GW|hp|BTU/h|joules/h|hp (mech)|ft lb-f/h|ft lb-f/m|ft lb-f/s|km-f m/h|km-f m/m|"
                        L"km-f m/s|pferdestarke");
    EXPECT_EQ(Names(8), L"Nm|kg-m|g-cm|lb-ft|lb-in");
    EXPECT_EQ(Names(9), L"N|kN|MN|kgf|lbf|dynes");
    EXPECT_EQ(Names(10), L"Pa|kPa|PSI (lb-f/in\u00B2)|atm|bar|in Hg (32F)|cm Hg (0C)|MPa|GPa|kip/in\u00B2|"
                         L"kip/ft\u00B2|microbar|millibar|mm Hg|in of water (39.2F)|in of air (32F)|kg-f/m\u00B2");
    EXPECT_EQ(Names(11), L"J|kJ|MJ|kWh|cal (IT)|cal (food)|eV|therms");
    EXPECT_EQ(Names(12), L"m|km|mi|Astronomical unit (A.U.)|light-year|parsec");
    EXPECT_EQ(Names(13), L"mHz|Hz|khz|MHz|GHz|\u00B0/h|\u00B0/m|\u00B0/s|rad/h|rad/m|rad/s|revolution/h|"
                         L"revolution/m|revolution/s|fresnel");
}

TEST(UnitTables, FactorsAreTheIntendedDoubles) {
    struct Sample { int id, index; uint64_t bits; };
    // Bit patterns worked out independently of this code.
    const Sample samples[] = {
        {1, 3, 0x3fdd07a8516e7471},   // lb
        {3, 9, 0x3f9e4885f9316256},   // fl oz
        {6, 3, 0x3fd1c71c71c72c15},   // km/h
        {10, 10, 0x40e7610848d15a7b}, // kip/ft²
        {11, 6, 0x3c07a4e7164efbbc},  // eV
        {13, 10, 0x3fc45f306e2dc32d}, // rad/s
    };
    for (const Sample& s : samples) {
        EXPECT_EQ(std::bit_cast<uint64_t>(tv::UnitTableFor(s.id).factors[s.index]), s.bits)
            << "category " << s.id << " unit " << s.index;
    }
}

TEST(UnitTables, KnownConversionsGiveTheseExactDoubles) {
    struct Case { int id; double value; int from, to; double result; };
    const Case cases[] = {
        {tv::kMass, 1, 3, 1, 453.592376254},             // lb → g
        {tv::kAstronomical, 1, 2, 1, 1.609344},          // mi → km
        {tv::kAstronomical, 1, 4, 1, 9460753090819.0},   // light-year → km
        {tv::kComputer, 1, 2, 0, 8192.0},                // KB → Bits
        {tv::kVolume, 1, 3, 1, 1.0},                     // cu cm → ml
        {tv::kPressure, 1, 3, 4, 1.01325},               // atm → bar
        {tv::kPower, 1, 2, 0, 1000.0},                   // MW → kW, a mended entry
        {tv::kFrequency, 1, 14, 1, 1e12},                // fresnel → Hz, a mended entry
        // Temperature: every direction, the order of operations fixing the last bit.
        {tv::kTemperature, 37, 0, 1, 98.60000000000001},  // C → F
        {tv::kTemperature, 0, 0, 2, 273.15},
        {tv::kTemperature, 212, 1, 0, 100.0},
        {tv::kTemperature, 32, 1, 2, 273.15},
        {tv::kTemperature, 100, 2, 0, -173.14999999999998},
        {tv::kTemperature, 0, 2, 1, ((-273.15 * 9.0) * 0.2) + 32.0},
        {tv::kTemperature, 0.1, 2, 2, 0.1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Conv(c.id, c.value, c.from, c.to), c.result) << c.id << ": " << c.from << " to " << c.to;
    }
    EXPECT_NEAR(Conv(tv::kForce, 1, 0, 5), 100000.0, 1e-9);  // N → dynes, a mended entry
    EXPECT_NEAR(Conv(tv::kPressure, 760, 13, 3), 1.0, 1e-6);  // 760 mm Hg is one atmosphere
    EXPECT_NEAR(Conv(tv::kPower, 1, 7, 1), 745.7, 0.01);      // mechanical horsepower in W
}
