// The tools' arithmetic: electrical, circle, and area and volume formulas,
// whose field tables must match what each formula reads; counts; days between
// dates; number bases; the clothing size tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <limits>
#include <tuple>

#include "tools/area_volume_formulas.h"
#include "tools/circle_formulas.h"
#include "tools/clothing_sizes.h"
#include "tools/day_count.h"
#include "tools/electrical_formulas.h"
#include "tools/number_base.h"
#include "tools/permutations.h"

using tv::CalcStatus;
using tv::NumberBase;

namespace {

constexpr CalcStatus kOk = CalcStatus::kOk, kInvalid = CalcStatus::kInvalidValue, kTooLarge = CalcStatus::kTooLarge,
                     kNoFormula = CalcStatus::kNoFormula;
constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
constexpr NumberBase kDec = NumberBase::kDecimal, kHex = NumberBase::kHexadecimal, kOct = NumberBase::kOctal,
                     kBin = NumberBase::kBinary;

// A status and, when it is kOk, the value; compared exactly.
bool Is(const tv::CalcResult& r, CalcStatus status, double value = 0.0) {
    return r.status == status && (status != kOk || r.value == value);
}

// The value of a formula's result, which must be kOk.
double Value(const tv::CalcResult& r, int formula) {
    EXPECT_EQ(r.status, kOk) << formula;
    return r.value;
}
double Circle(int f, const tv::CircleInputs& in) { return Value(tv::CalculateCircle(f, in), f); }
double AreaVolume(int f, const tv::AreaVolumeValues& values) { return Value(tv::CalculateAreaVolume(f, values), f); }

// The Result text, or the message's status as text.
std::wstring Shown(const tv::CountResult& r) {
    if (r.status == kOk) return tv::CountText(r.value);
    return r.status == kTooLarge ? L"too large" : L"invalid";
}

tv::DateTimeFields Date(int y, int m, int d, int hour = 0, int minute = 0, int ms = 0) {
    const auto u = [](int v) { return static_cast<uint16_t>(v); };
    return {.year = u(y), .month = u(m), .day = u(d), .hour = u(hour), .minute = u(minute), .milliseconds = u(ms)};
}

}  // namespace

// 12 V across 4 ohms: 3 A and 36 W. Each formula's name says its output and
// inputs; fields it clears read 0. Each rejection compares with zero exactly;
// the products take any sign.
TEST(ElectricalFormulas, EachSolvesOneCircuitFromItsNamedInputsAndRejectsWhatItCannot) {
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
        EXPECT_TRUE(Is(tv::CalculateElectrical(f, typed), kOk, circuit[formula.output])) << f;
    }
    const std::tuple<int, tv::ElectricalValues, CalcStatus, double> cases[] = {
        {0, {-1, 0, -1, 0}, kInvalid, 0},  // although P × R > 0
        {2, {0, 0, 2, -3}, kOk, -6}, {8, {0, 0, 4, 0}, kOk, 0}, {8, {4, 0, 0, 0}, kInvalid, 0},  // P may be 0, R not
        {11, {0, 12, -0.0, 0}, kInvalid, 0}, {11, {0, 12, -4, 0}, kOk, -36},  // only zero is refused
        {10, {0, 0, 0, 1e200}, kTooLarge, 0}, {tv::kElectricalFormulaCount, {1, 1, 1, 1}, kNoFormula, 0},
    };
    for (const auto& [f, values, status, value] : cases) {
        EXPECT_TRUE(Is(tv::CalculateElectrical(f, values), status, value)) << f;
    }
}

// 90 and 270 degrees convert to exactly π × 0.5 and π × 1.5; -90 does not.
// Beyond 263 radians or 15068.79 degrees no angle is taken. The fixed order
// shows in the last bit: (π × 3) × k and ((π × 5) × 5) × k.
TEST(CircleFormulas, TrigonometricRejectionsAndValues) {
    EXPECT_GT(std::abs(Circle(tv::kTangent, {0, -90})), 1e15);
    const double pi = 3.141592653589793;
    const std::tuple<int, tv::CircleInputs, CalcStatus, double> cases[] = {
        {tv::kTangent, {0, 90}, kInvalid, 0}, {tv::kSecant, {0, 270}, kInvalid, 0},
        {tv::kCotangent, {0, -0.0, 0, tv::kRadian}, kInvalid, 0}, {tv::kSine, {0, 263, 0, tv::kRadian}, kInvalid, 0},
        {tv::kCosine, {0, 15068.8}, kInvalid, 0}, {tv::kArcLength, {5, 5, 0, tv::kDegree}, kOk, 0.43633231299858244},
        {tv::kCylinderSurfaceArea, {1e200, 0, -1e300, 0}, kTooLarge, 0}, {tv::kCircleFormulaCount, {}, kNoFormula, 0},
    };
    for (const auto& [f, in, status, value] : cases) EXPECT_TRUE(Is(tv::CalculateCircle(f, in), status, value)) << f;
    Circle(tv::kSine, {0, 262.9, 0, tv::kRadian});
    EXPECT_DOUBLE_EQ(Circle(tv::kSine, {0, 30, 0, 7}), 0.5);  // a unit position but Radian is degrees
    EXPECT_DOUBLE_EQ(Circle(tv::kCylinderSurfaceArea, {3, 0, 2, 0}) + Circle(tv::kSphereVolume, {3, 0, 0, 0}), 66 * pi);
}

// A field changes the result exactly when its formula makes it editable; the
// spheres share their group's editable Height without reading it.
TEST(CircleAndAreaVolumeFormulas, FieldStatesMatchWhatEachFormulaReads) {
    const tv::CircleInputs base{1.3, 37.0, 2.9, tv::kDegree};
    for (int f = 0; f < tv::kCircleFormulaCount; ++f) {
        const tv::CircleFormula& formula = tv::kCircleFormulas[f];
        for (int field = 0; field < tv::kCircleFieldCount; ++field) {
            tv::CircleInputs changed = base;
            (field == 0 ? changed.radius : field == 1 ? changed.angle : changed.height) *= 1.37;
            const bool unread = field == tv::kCircleHeight && f >= tv::kSphereVolume;
            EXPECT_EQ(Circle(f, changed) != Circle(f, base),
                      formula.fields[field] == tv::FieldState::kEditable && !unread) << f << " field " << field;
        }
        EXPECT_EQ(Circle(f, {base.radius, base.angle, base.height, tv::kRadian}) != Circle(f, base),
                  formula.angleUnitEnabled);
    }
    const tv::AreaVolumeValues values = {1.3, 2.9, 4.1};
    for (int f = 0; f < tv::kAreaVolumeFormulaCount; ++f) {
        for (int field = 0; field < tv::kAreaVolumeFieldCount; ++field) {
            tv::AreaVolumeValues changed = values;
            changed[field] *= 1.37;
            EXPECT_EQ(AreaVolume(f, changed) != AreaVolume(f, values),
                      tv::kAreaVolumeFormulas[f].fields[field] == tv::FieldState::kEditable) << f << " field " << field;
        }
    }
}

// Triangle: whatever Width holds; a negative rectangle: nothing is refused.
TEST(AreaVolumeFormulas, Values) {
    for (auto [f, values, result] : {std::tuple{tv::kPrismSurfaceArea, tv::AreaVolumeValues{2, 3, 4}, 52.0},
                                     {tv::kTriangleArea, {5, 99, 3}, 7.5}, {tv::kRectangleArea, {-3, 4, 0}, -12.0}}) {
        EXPECT_DOUBLE_EQ(AreaVolume(f, values), result) << f;
    }
    EXPECT_TRUE(Is(tv::CalculateAreaVolume(tv::kPrismVolume, {1e200, 1e200, 1}), kTooLarge));
}

// Up to n = 80 Pascal's triangle, built by addition alone and held at 2^64
// where a value passes 64 bits, vouches for every count, factorials included.
TEST(Counting, AgreesWithPascalsTriangleWhereverItFitsAndReadsTheFields) {
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
    // The dialog's fields as read: a fresh dialog; the item field is not
    // Factorial's; only 31 characters; nothing beyond what reads exactly.
    const std::tuple<int, std::wstring, std::wstring, std::wstring> fields[] = {
        {tv::kPermutation, L"", L"", L"1"}, {tv::kPermutation, L" 12abc", L"+2", L"132"},
        {tv::kFactorial, L"5", L"-3", L"120"}, {tv::kFactorial, std::wstring(31, L' ') + L"5", L"", L"1"},
        {tv::kCombination, L"99999999999999999999", L"0", L"too large"},
        {tv::kPermutation, L"5", L"99999999999999999999", L"invalid"},
    };
    for (const auto& [f, n, k, shown] : fields) {
        EXPECT_EQ(Shown(tv::CalculateCount(f, tv::ReadCountText(n), tv::ReadCountText(k))), shown) << n << " " << k;
    }
}

// Midnight to midnight: the time of day never counts, even one the
// conversion would refuse. Dates the platform refuses give no count.
TEST(DayCount, CalendarDatesMidnightToMidnightAndNoneForDatesThePlatformRefuses) {
    for (auto [from, to, days] : {std::tuple{Date(2004, 1, 1), Date(2004, 3, 1), 60},
                                  {Date(1900, 1, 1), Date(2000, 1, 1), 36524},
                                  {Date(1601, 1, 1), Date(30827, 12, 31), 10674941},
                                  {Date(2024, 5, 1, 99, 99, 9999), Date(2024, 5, 1), 0}}) {
        EXPECT_EQ(tv::DaysBetween(from, to), days);
    }
    EXPECT_EQ(tv::FileTimeTicks(Date(1970, 1, 1, 0, 0, 1)), 116444736000010000);  // the Unix epoch, 1 ms on
    for (const tv::DateTimeFields& bad : {Date(1900, 2, 29), Date(2024, 4, 31), Date(2024, 13, 1), Date(2024, 1, 0),
                                          Date(1600, 12, 31), Date(30828, 1, 1), Date(2024, 0, 65535)}) {
        EXPECT_FALSE(tv::FileTimeTicks(bad).has_value());
        EXPECT_EQ(tv::DaysBetweenText(Date(2024, 1, 1), bad), L"");
    }
    EXPECT_TRUE(tv::FileTimeTicks(Date(2000, 2, 29)) && !tv::FileTimeTicks(Date(2000, 1, 1, 24)));
}

TEST(NumberBase, LeadingNumbersUpToSixtyFourBits) {
    const std::tuple<std::wstring, NumberBase, uint64_t> reads[] = {
        {L"  +42abc", kDec, 42}, {L"0x1F", kHex, 31}, {L"0xg", kHex, 0}, {L"-1", kHex, 0},  // no sign outside decimal
        {L"", kBin, 0},      // binary reads every character, and none is 0
        {L"1a9", kBin, 13},  // binary: a letter is 0, a 9 adds 9
        {L"-9223372036854775808", kDec, uint64_t{1} << 63},  // two's complement, not wrapped
        {L"0000FFFFFFFFFFFFFFFF", kHex, kMax},                // leading zeros never overflow
    };
    for (const auto& [text, base, value] : reads) {
        const tv::BaseValue v = tv::ParseInBase(text, base);
        EXPECT_TRUE(v.status == tv::BaseParseStatus::kOk && v.value == value) << text;
    }
    for (NumberBase base : {kDec, kHex, kOct}) {
        EXPECT_EQ(tv::ParseInBase(L" \r\n", base).status, tv::BaseParseStatus::kEmptyInput);
    }
    for (auto [text, base] : {std::pair<std::wstring, NumberBase>{L"18446744073709551616", kDec},
                              {L"-9223372036854775809", kDec}, {L"10000000000000000", kHex},
                              {std::wstring(63, L'1') + L"2", kBin}}) {  // the last would wrap to 0
        EXPECT_EQ(tv::ParseInBase(text, base).status, tv::BaseParseStatus::kTooLarge) << text;
    }
}

// Down a column sizes only grow; children's US and UK sizes start again at 1
// once, where they reach the adult scale. Hosiery sizes are letters and ranges.
// No cell is empty, none lies outside a table.
TEST(ClothingSizes, EveryCellIsFilledAndSizesGrowDownEveryColumn) {
    for (int t = 0; t < tv::kSizeTableCount; ++t) {
        const tv::SizeTable& table = *tv::SizeTableAt(t);
        EXPECT_EQ(table.cells.size(), static_cast<size_t>(table.Rows() * table.Columns())) << t;
        EXPECT_TRUE(!table.Cell(table.Rows(), 0) && !table.Cell(0, table.Columns()) && !table.Cell(-1, 0)) << t;
        for (int column = 0; column < table.Columns(); ++column) {
            int restarts = 0;
            for (int row = 0; row < table.Rows(); ++row) {
                const double size = std::wcstod(table.Cell(row, column), nullptr);  // "10½" is 10 here
                const double above = row ? std::wcstod(table.Cell(row - 1, column), nullptr) : 0;
                EXPECT_TRUE(*table.Cell(row, column)) << t << ' ' << row << ' ' << column;
                restarts += t != 2 && size == 1 && above > 1;
                EXPECT_TRUE(t == 2 || size >= above || size == 1) << t << ' ' << row << ' ' << column;
            }
            EXPECT_EQ(restarts, t >= 5 && column <= 1 ? 1 : 0) << t << ' ' << column;
        }
    }
    EXPECT_TRUE(!tv::SizeTableAt(tv::kSizeTableCount) && !tv::SizeTableAt(-1));
}
