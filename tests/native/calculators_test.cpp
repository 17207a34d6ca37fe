// The calculators: electrical, circle, and area and volume formulas, whose
// field tables must match what each formula reads; counts; days between dates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tools/area_volume_formulas.h"
#include "tools/circle_formulas.h"
#include "tools/day_count.h"
#include "tools/electrical_formulas.h"
#include "tools/permutations.h"

using tv::CalcStatus;
using tv::DateTimeFields;

namespace {

tv::CalcResult Electrical(int formula, double p, double v, double r, double i) {
    return tv::CalculateElectrical(formula, tv::ElectricalValues{p, v, r, i});
}

tv::CalcResult Trig(int formula, double a, int unit = tv::kDegree) {
    return tv::CalculateCircle(formula, {0.0, a, 0.0, unit});
}

double Circle(int formula, const tv::CircleInputs& in) {
    const tv::CalcResult result = tv::CalculateCircle(formula, in);
    EXPECT_EQ(result.status, CalcStatus::kOk) << formula;
    return result.value;
}

double AreaVolume(int formula, const tv::AreaVolumeValues& values) {
    const tv::CalcResult result = tv::CalculateAreaVolume(formula, values);
    EXPECT_EQ(result.status, CalcStatus::kOk) << formula;
    return result.value;
}

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();

// The Result text, or the message's status as text.
std::wstring Shown(const tv::CountResult& r) {
    if (r.status == CalcStatus::kOk) return tv::CountText(r.value);
    return r.status == CalcStatus::kTooLarge ? L"too large" : L"invalid";
}

std::wstring Calculate(int formula, const wchar_t* n, const wchar_t* k) {
    return Shown(tv::CalculateCount(formula, tv::ReadCountText(n), tv::ReadCountText(k)));
}

DateTimeFields Date(int y, int m, int d, int hour = 0, int minute = 0, int ms = 0) {
    const auto u = [](int v) { return static_cast<uint16_t>(v); };
    return {.year = u(y), .month = u(m), .day = u(d), .hour = u(hour), .minute = u(minute), .milliseconds = u(ms)};
}

int64_t Days(const DateTimeFields& from, const DateTimeFields& to) { return tv::DaysBetween(from, to).value_or(-1e9); }

}  // namespace

TEST(ElectricalFormulas, EachSolvesOneCircuitFromItsNamedInputsAndRejectsWhatItCannot) {
    // 12 V across 4 ohms: 3 A and 36 W. Fields the formula clears read 0.
    const tv::ElectricalValues circuit{36, 12, 4, 3};
    const wchar_t* const kWords[] = {L"Watts", L"Volts", L"Ohms", L"Amperes"};
    for (int f = 0; f < tv::kElectricalFormulaCount; ++f) {
        const tv::ElectricalFormula& formula = tv::kElectricalFormulas[f];
        const std::wstring name = formula.name.text;  // "<output> using <input> and <input>"
        EXPECT_EQ(name.find(kWords[formula.output]), 0u) << f;
        tv::ElectricalValues typed = circuit;
        for (int q = 0; q < tv::kElectricalQuantityCount; ++q) {
            const bool input = formula.fields[q] == tv::FieldState::kEditable;
            EXPECT_EQ(name.find(kWords[q], 1) != std::wstring::npos, input) << f << " " << q;
            if (!input) typed[q] = 0.0;
        }
        const tv::CalcResult result = tv::CalculateElectrical(f, typed);
        ASSERT_EQ(result.status, CalcStatus::kOk) << f;
        EXPECT_DOUBLE_EQ(result.value, circuit[formula.output]) << f;
    }
    // Each rejection compares with zero exactly; the products take any sign.
    EXPECT_EQ(Electrical(0, -1, 0, -1, 0).status, CalcStatus::kInvalidValue);  // although P × R > 0
    EXPECT_EQ(Electrical(1, 10, 0, 0, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Electrical(2, 0, 0, 2, -3).value, -6.0);
    EXPECT_EQ(Electrical(4, 0, 12, 0, 0).status, CalcStatus::kInvalidValue);  // an empty P
    EXPECT_EQ(Electrical(8, 0, 0, 4, 0).value, 0.0);  // P may be 0, R may not
    EXPECT_EQ(Electrical(8, 4, 0, 0, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Electrical(11, 0, 12, -0.0, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Electrical(11, 0, 12, -4, 0).value, -36.0);  // only zero is refused
    EXPECT_EQ(Electrical(2, 0, 0, 1e200, 1e200).status, CalcStatus::kTooLarge);
    EXPECT_EQ(Electrical(10, 0, 0, 0, 1e200).status, CalcStatus::kTooLarge);  // inf × 0
    for (int f : {-1, tv::kElectricalFormulaCount}) EXPECT_EQ(Electrical(f, 1, 1, 1, 1).status, CalcStatus::kNoFormula);
}

TEST(CircleFormulas, TrigonometricRejectionsAndValues) {
    // 90 and 270 degrees convert to exactly π × 0.5 and π × 1.5; -90 and 450 do not.
    for (int f : {tv::kTangent, tv::kSecant, tv::kCotangent}) {
        EXPECT_EQ(Trig(f, 90).status, CalcStatus::kInvalidValue) << f;
        EXPECT_EQ(Trig(f, 270).status, CalcStatus::kInvalidValue) << f;
        EXPECT_GT(std::abs(Trig(f, f == tv::kCotangent ? 180 : -90).value), 1e15) << f;
    }
    EXPECT_GT(std::abs(Trig(tv::kTangent, 450).value), 1e15);
    EXPECT_EQ(Trig(tv::kCosecant, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Trig(tv::kCotangent, -0.0, tv::kRadian).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Trig(tv::kSecant, 0).value, 1.0);
    for (int f = tv::kSine; f <= tv::kCotangent; ++f) {
        EXPECT_EQ(Trig(f, 263, tv::kRadian).status, CalcStatus::kInvalidValue) << f;
        EXPECT_EQ(Trig(f, 262.9, tv::kRadian).status, CalcStatus::kOk) << f;
        EXPECT_EQ(Trig(f, 15068.7).status, CalcStatus::kOk) << f;  // the limit is near 15068.79 degrees
        EXPECT_EQ(Trig(f, 15068.8).status, CalcStatus::kInvalidValue) << f;
    }

    const double pi = 3.141592653589793;
    // The fixed order shows in the last bit: (π × 3) × k and ((π × 5) × 5) × k.
    EXPECT_EQ(Circle(tv::kDegreeRadianConversion, {0, 3, 0, tv::kDegree}), 0.05235987755982989);
    EXPECT_EQ(Circle(tv::kArcLength, {5, 5, 0, tv::kDegree}), 0.43633231299858244);
    EXPECT_EQ(Circle(tv::kArcLength, {2, 1.5, 0, tv::kRadian}), 3.0);
    EXPECT_DOUBLE_EQ(Circle(tv::kDegreeRadianConversion, {0, pi, 0, tv::kRadian}), 180.0);
    EXPECT_DOUBLE_EQ(Circle(tv::kSine, {0, 30, 0, 7}), 0.5);  // a unit position but Radian is degrees
    EXPECT_DOUBLE_EQ(Circle(tv::kCylinderSurfaceArea, {3, 0, 2, 0}), 30 * pi);
    EXPECT_DOUBLE_EQ(Circle(tv::kSphereVolume, {3, 0, 0, 0}), 36 * pi);
    EXPECT_EQ(tv::CalculateCircle(tv::kCylinderSurfaceArea, {1e200, 0, -1e300, 0}).status, CalcStatus::kTooLarge);
    EXPECT_EQ(tv::CalculateCircle(tv::kCircleFormulaCount, {}).status, CalcStatus::kNoFormula);
}

TEST(CircleFormulas, FieldStatesMatchWhatEachFormulaReads) {
    const tv::CircleInputs base{1.3, 37.0, 2.9, tv::kDegree};
    for (int f = 0; f < tv::kCircleFormulaCount; ++f) {
        const tv::CircleFormula& formula = tv::kCircleFormulas[f];
        const double before = Circle(f, base);
        for (int field = 0; field < tv::kCircleFieldCount; ++field) {
            tv::CircleInputs changed = base;
            (field == 0 ? changed.radius : field == 1 ? changed.angle : changed.height) *= 1.37;
            // The spheres share their group's editable Height without reading it.
            const bool unread = field == tv::kCircleHeight && f >= tv::kSphereVolume;
            EXPECT_EQ(Circle(f, changed) != before, formula.fields[field] == tv::FieldState::kEditable && !unread)
                << f << " field " << field;
        }
        EXPECT_EQ(Circle(f, {base.radius, base.angle, base.height, tv::kRadian}) != before, formula.angleUnitEnabled);
    }
}

TEST(AreaVolumeFormulas, ValuesAndFieldStates) {
    EXPECT_EQ(AreaVolume(tv::kRectanglePerimeter, {3, 4, 0}), 14.0);
    EXPECT_EQ(AreaVolume(tv::kPrismSurfaceArea, {2, 3, 4}), 52.0);
    EXPECT_EQ(AreaVolume(tv::kTriangleArea, {5, 99, 3}), 7.5);  // whatever Width holds
    EXPECT_DOUBLE_EQ(AreaVolume(tv::kPyramidVolume, {3, 3, 3}), 9.0);
    EXPECT_EQ(AreaVolume(tv::kRectangleArea, {-3, 4, 0}), -12.0);  // nothing is refused
    EXPECT_EQ(tv::CalculateAreaVolume(tv::kPrismVolume, {1e200, 1e200, 1}).status, CalcStatus::kTooLarge);
    EXPECT_EQ(tv::CalculateAreaVolume(-1, {1, 1, 1}).status, CalcStatus::kNoFormula);

    const tv::AreaVolumeValues base = {1.3, 2.9, 4.1};
    for (int f = 0; f < tv::kAreaVolumeFormulaCount; ++f) {
        for (int field = 0; field < tv::kAreaVolumeFieldCount; ++field) {
            tv::AreaVolumeValues changed = base;
            changed[field] *= 1.37;
            EXPECT_EQ(AreaVolume(f, changed) != AreaVolume(f, base),
                      tv::kAreaVolumeFormulas[f].fields[field] == tv::FieldState::kEditable)
                << f << " field " << field;
        }
    }
}

// Up to n = 80 the triangle vouches for every count, factorials included.
TEST(Counting, AgreesWithPascalsTriangleWhereverItFitsAndReadsTheFields) {
    // Built by addition alone, held at 2^64 where a value passes 64 bits.
    const unsigned __int128 cap = static_cast<unsigned __int128>(kMax) + 1;
    const auto expected = [&](unsigned __int128 v) {
        return v < cap ? std::to_wstring(static_cast<uint64_t>(v)) : std::wstring(L"too large");
    };
    std::vector<unsigned __int128> row{1};
    for (int n = 0; n <= 80; ++n) {
        unsigned __int128 falling = 1;  // n (n-1) ... (n-k+1)
        for (int k = 0; k <= n; ++k) {
            EXPECT_EQ(Shown(tv::Combination(n, k)), expected(row[k])) << n << " " << k;
            EXPECT_EQ(Shown(tv::Permutation(n, k)), expected(falling)) << n << " " << k;
            falling = std::min(cap, falling * static_cast<unsigned>(n - k));
        }
        for (int k = n; k > 0; --k) row[k] = std::min(cap, row[k] + row[k - 1]);
        row.push_back(1);
    }
    EXPECT_EQ(Shown(tv::Permutation(4294967296, 2)), L"18446744069414584320");
    EXPECT_EQ(Shown(tv::Combination(999999999999999, 999999999999998)), L"999999999999999");
    EXPECT_EQ(Shown(tv::Factorial(std::numeric_limits<int64_t>::max())), L"too large");

    // The dialog's fields as read.
    EXPECT_EQ(Calculate(tv::kPermutation, L"", L""), L"1");  // a fresh dialog
    EXPECT_EQ(Calculate(tv::kPermutation, L" 12abc", L"+2"), L"132");
    EXPECT_EQ(Calculate(tv::kFactorial, L"5", L"-3"), L"120");  // the item field is not an input
    // Only 31 characters are read.
    EXPECT_EQ(Calculate(tv::kFactorial, (std::wstring(31, L' ') + L"5").c_str(), L""), L"1");
    // Beyond what can be read exactly there is no count to vouch for.
    EXPECT_EQ(Calculate(tv::kCombination, L"99999999999999999999", L"0"), L"too large");
    EXPECT_EQ(Calculate(tv::kFactorial, L"99999999999999999999", L""), L"too large");
    EXPECT_EQ(Calculate(tv::kPermutation, L"5", L"99999999999999999999"), L"invalid");
    EXPECT_EQ(tv::CalculateCount(3, {}, {}).status, CalcStatus::kNoFormula);
}

TEST(DayCount, CalendarDatesMidnightToMidnightAndNoneForDatesThePlatformRefuses) {
    EXPECT_EQ(Days(Date(2004, 1, 1), Date(2004, 3, 1)), 60);
    EXPECT_EQ(Days(Date(1900, 1, 1), Date(2000, 1, 1)), 36524);
    EXPECT_EQ(Days(Date(1601, 1, 1), Date(30827, 12, 31)), 10674941);
    // The time of day never counts, even one the conversion would refuse.
    EXPECT_EQ(Days(Date(2024, 5, 1, 99, 99, 9999), Date(2024, 5, 1)), 0);
    EXPECT_EQ(tv::FileTimeTicks(Date(1970, 1, 1)), 116444736000000000);  // the Unix epoch
    EXPECT_EQ(tv::FileTimeTicks(Date(1601, 1, 1, 0, 0, 1)), 10000);
    // Dates the platform refuses give no count.
    for (const DateTimeFields& bad : {Date(2003, 2, 29), Date(1900, 2, 29), Date(2024, 4, 31), Date(2024, 13, 1),
                                      Date(2024, 1, 0), Date(1600, 12, 31), Date(30828, 1, 1), Date(2024, 0, 65535)}) {
        EXPECT_FALSE(tv::FileTimeTicks(bad).has_value());
        EXPECT_EQ(tv::DaysBetweenText(Date(2024, 1, 1), bad), L"");
    }
    EXPECT_TRUE(tv::FileTimeTicks(Date(2000, 2, 29)).has_value());
    EXPECT_FALSE(tv::FileTimeTicks(Date(2000, 1, 1, 24)).has_value());
}
