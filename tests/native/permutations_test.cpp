#include "tools/permutations.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using tv::CalcStatus;
using tv::CountResult;

namespace {

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();

// The Result text, or the message's status as text.
std::wstring Shown(const CountResult& r) {
    if (r.status == CalcStatus::kOk) return tv::CountText(r.value);
    return r.status == CalcStatus::kTooLarge ? L"too large" : L"invalid";
}

std::wstring Calculate(int formula, const wchar_t* n, const wchar_t* k) {
    return Shown(tv::CalculateCount(formula, tv::ReadCountText(n), tv::ReadCountText(k)));
}

}  // namespace

TEST(Counting, ExactUpToSixtyFourBitsAndTooLargeBeyond) {
    EXPECT_EQ(Shown(tv::Factorial(20)), L"2432902008176640000");
    EXPECT_EQ(Shown(tv::Factorial(21)), L"too large");
    // Up to n = 80 the triangle below vouches for every count.
    EXPECT_EQ(Shown(tv::Permutation(4294967296, 2)), L"18446744069414584320");
    EXPECT_EQ(Shown(tv::Combination(999999999999999, 999999999999998)), L"999999999999999");
    EXPECT_EQ(Shown(tv::Factorial(std::numeric_limits<int64_t>::max())), L"too large");
    EXPECT_EQ(Shown(tv::Factorial(-1)), L"invalid");
}

TEST(Counting, AgreesWithPascalsTriangleWhereverItFits) {
    // Built by addition alone, held at 2^64 where a value passes 64 bits.
    const unsigned __int128 cap = static_cast<unsigned __int128>(kMax) + 1;
    std::vector<unsigned __int128> row{1};
    for (int n = 0; n <= 80; ++n) {
        unsigned __int128 falling = 1;  // n (n-1) ... (n-k+1)
        for (int k = 0; k <= n; ++k) {
            const CountResult c = tv::Combination(n, k);
            const CountResult p = tv::Permutation(n, k);
            EXPECT_EQ(c.status, row[k] < cap ? CalcStatus::kOk : CalcStatus::kTooLarge) << n << " " << k;
            EXPECT_EQ(p.status, falling < cap ? CalcStatus::kOk : CalcStatus::kTooLarge) << n << " " << k;
            if (row[k] < cap) {
                EXPECT_EQ(c.value, static_cast<uint64_t>(row[k])) << n << " " << k;
            }
            if (falling < cap) {
                EXPECT_EQ(p.value, static_cast<uint64_t>(falling)) << n << " " << k;
            }
            falling = std::min(cap, falling * static_cast<unsigned>(n - k));
        }
        for (int k = n; k > 0; --k) row[k] = std::min(cap, row[k] + row[k - 1]);
        row.push_back(1);
    }
}

TEST(CalculateCount, ReadsTheFieldsAndChecksThem) {
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
    EXPECT_EQ(tv::kCountFormulas[tv::kFactorial].itemsField, tv::FieldState::kReadOnlyCleared);
}
