// Every unit against its definition, written here from the definitions
// themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fakes.h"
#include "units/unit_category.h"
#include "units/unit_tables.h"

namespace {

const double kPi = std::acos(-1.0);
const double g = 9.80665, lb = 0.45359237, in = 0.0254, ft = 12 * in, lbf = lb * g, ftLbf = ft * lbf;
const double in3 = in * in * in * 1000, psi = lbf / (in * in), hg = 13595.1 * g, au = 149597870.7;

// The size of each unit in its category's base unit, in list order; mach,
// hp, the inch of air and the binary storage multiples are conventions.
const std::vector<double> kSizes[tv::kCategoryCount] = {
    {},
    {1, 1e-3, 1e-6, lb, lb / 16, 1e3, 2e-4, 2240 * lb, 2000 * lb},
    {1e-3, 1e-2, 1, 1e3, 5280 * ft, 3 * ft, ft, in},
    {1, 1e-3, 1e3, 1e-3, 231 * in3, 268.8025 * in3, 57.75 * in3, 67.200625 * in3, in3, 231 * in3 / 128,
     231 * in3 / 16, 231 * in3 / 256, 231 * in3 / 768, 4.54609, 4.54609 / 4, 4.54609 / 8, 4.54609 / 160,
     2150.42 * in3, 8 * 4.54609, 42 * 231 * in3},
    {1, 1e4, 1e10, 1e8, 2.54 * 2.54, 30.48 * 30.48, 160934.4 * 160934.4, 43560 * 30.48 * 30.48},
    {0.125, 1, 1024, 1024.0 * 1024, std::pow(1024.0, 3), std::pow(1024.0, 4), std::pow(1024.0, 5)},
    {1, 1e-2, 1e3, 1e3 / 3600, ft, 5280 * ft, 5280 * ft / 3600, 340.4209557, 1852.0 / 3600, 299792458},
    {1e3, 1, 1e6, 1e9, 746, 1055.05585262 / 3600, 1.0 / 3600, 550 * ftLbf, ftLbf / 3600, ftLbf / 60, ftLbf,
     g / 3600, g / 60, g, 75 * g},
    {1, g, g * 1e-3 * 1e-2, ftLbf, lbf * in},
    {1, 1e3, 1e6, g, lbf, 1e-5},
    {1, 1e3, psi, 101325, 1e5, hg * in, hg * 1e-2, 1e6, 1e9, 1e3 * psi, 1e3 * psi / 144, 0.1, 100, hg * 1e-3,
     1000 * g * in, 0.3220074, g},
    {1, 1e3, 1e6, 3.6e6, 4.1868, 4184, 1.602176634e-19, 105506000},
    {1e-3, 1, 1.609344, au, 299792.458 * 365.25 * 86400, au * 648000 / kPi},
    {1e-3, 1, 1e3, 1e6, 1e9, 1 / 1296000.0, 1 / 21600.0, 1 / 360.0, 1 / (2 * kPi * 3600), 1 / (2 * kPi * 60),
     1 / (2 * kPi), 1 / 3600.0, 1 / 60.0, 1, 1e12},
};

}  // namespace

// From 1, 37.5 and a million of each unit to the base and back, to one part
// in 10^12.
TEST(UnitDefinitions, EveryUnitIsItsDefinedSizeToOnePartInATrillion) {
    FakeSettingsStore store;
    tv::SettingsHome home{{}, &store};
    for (int id = 1; id < tv::kCategoryCount; ++id) {
        const tv::UnitTable& table = tv::UnitTableFor(id);
        ASSERT_EQ(static_cast<size_t>(table.count), kSizes[id].size()) << tv::CategoryName(id);
        int base = 0;
        while (kSizes[id][base] != 1) ++base;
        auto category = tv::CreateUnitCategory(id, home);
        for (int unit = 0; unit < table.count; ++unit) {
            for (double value : {1.0, 37.5, 1e6}) {
                const double there = category->Convert(value, unit, base), back = category->Convert(there, base, unit);
                EXPECT_NEAR(there / (value * kSizes[id][unit]), 1, 1e-12) << table.names[unit] << " " << value;
                EXPECT_NEAR(back / value, 1, 1e-12) << table.names[unit] << " " << value;
            }
        }
    }
}
