// Permutations, combinations and factorials of whole numbers, exact in
// unsigned 64 bits: a result that does not fit is reported, never wrapped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/calculator_common.h"

namespace tv {

enum CountFormulaId : int { kPermutation = 0, kCombination, kFactorial, kCountFormulaCount };

struct CountFormula {
    ResourceString name;  // the formula list's entry
    // "Number of Item Taken"; "Set Size" is always editable and the Result
    // keeps its text.
    FieldState itemsField;
};

extern const CountFormula kCountFormulas[kCountFormulaCount];

inline constexpr int kCountFieldLimit = 15;

// A count field as typed: blanks, a sign, then decimal digits up to the first
// other character; no digits read as 0. At most 31 characters are read.
struct CountInput {
    int64_t value = 0;        // held at the 64-bit range's end when beyond it
    bool outOfRange = false;  // the digits went beyond that range
};
CountInput ReadCountText(std::wstring_view text);

struct CountResult {
    CalcStatus status;
    uint64_t value;  // only with kOk
};

// n! / (n - k)!. kInvalidValue for a negative n or k or for k > n,
// kTooLarge when the result exceeds 18446744073709551615.
CountResult Permutation(int64_t n, int64_t k);
// n! / (k! (n - k)!), with the same rules.
CountResult Combination(int64_t n, int64_t k);
// n!, with 0! = 1; kInvalidValue for a negative n, kTooLarge from 21 on.
CountResult Factorial(int64_t n);

// The Calculate command on the two fields' readings; the item count is not
// an input of the factorial. kNoFormula for an index outside the list.
CountResult CalculateCount(int formula, const CountInput& setSize, const CountInput& itemsTaken);

// The Result field's text: the unsigned decimal value, no grouping.
std::wstring CountText(uint64_t value);

}  // namespace tv
