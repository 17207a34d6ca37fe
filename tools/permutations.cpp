#include "tools/permutations.h"

#include <limits>
#include <numeric>

#include "numfmt/number_text.h"

namespace tv {
namespace {

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
constexpr CountResult kInvalid{CalcStatus::kInvalidValue, 0};
constexpr CountResult kTooLarge{CalcStatus::kTooLarge, 0};


}  // namespace

const CountFormula kCountFormulas[kCountFormulaCount] = {
    {{IDS_PERMUTATION, L"Permutation"}, FieldState::kEditable},
    {{IDS_COMBINATION, L"Combination"}, FieldState::kEditable},
    {{IDS_FACTORIAL, L"Factorial Calculation"}, FieldState::kReadOnlyCleared},
};

CountInput ReadCountText(std::wstring_view text) {
    text = text.substr(0, 31);  // the field is read into 32 characters
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) negative = text[pos++] == L'-';
    constexpr uint64_t kLimit = std::numeric_limits<int64_t>::max();
    uint64_t magnitude = 0;
    CountInput input;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
        const uint64_t d = static_cast<uint64_t>(text[pos] - L'0');
        if (magnitude > (kLimit - d) / 10) {
            input.outOfRange = true;
            magnitude = kLimit;
            break;
        }
        magnitude = magnitude * 10 + d;
    }
    // -magnitude fits: magnitude is at most the largest int64.
    input.value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return input;
}

CountResult Permutation(int64_t n, int64_t k) {
    if (n < 0 || k < 0 || k > n) return kInvalid;
    // n (n-1) ... (n-k+1): every factor but the last of P(n, n) is 2 or more,
    // so the loop ends within 65 steps, by overflow if not before.
    uint64_t product = 1;
    for (int64_t factor = n; factor > n - k; --factor) {
        const uint64_t f = static_cast<uint64_t>(factor);
        if (product > kMax / f) return kTooLarge;
        product *= f;
    }
    return {CalcStatus::kOk, product};
}

CountResult Combination(int64_t n, int64_t k) {
    if (n < 0 || k < 0 || k > n) return kInvalid;
    if (k > n - k) k = n - k;
    // After step i the value is C(n - k + i, i), which grows with i, so an
    // overflow on the way means the result itself does not fit. Dividing out
    // the common factor first keeps each step exact without a wider type.
    uint64_t value = 1;
    for (int64_t i = 1; i <= k; ++i) {
        const uint64_t step = static_cast<uint64_t>(i);
        const uint64_t g = std::gcd(value, step);
        const uint64_t factor = static_cast<uint64_t>(n - k + i) / (step / g);
        const uint64_t reduced = value / g;
        if (reduced > kMax / factor) return kTooLarge;
        value = reduced * factor;
    }
    return {CalcStatus::kOk, value};
}

CountResult Factorial(int64_t n) {
    if (n < 0) return kInvalid;
    return Permutation(n, n);
}

CountResult CalculateCount(int formula, const CountInput& setSize, const CountInput& itemsTaken) {
    if (formula < 0 || formula >= kCountFormulaCount) return {CalcStatus::kNoFormula, 0};
    if (formula == kFactorial) return Factorial(setSize.value);  // held at the range's end: too large
    if (setSize.value < 0 || itemsTaken.value < 0) return kInvalid;
    if (itemsTaken.value > setSize.value) return kInvalid;
    // A set too large to read exactly has no count we could vouch for.
    if (setSize.outOfRange || itemsTaken.outOfRange) return kTooLarge;
    return formula == kPermutation ? Permutation(setSize.value, itemsTaken.value)
                                   : Combination(setSize.value, itemsTaken.value);
}

std::wstring CountText(uint64_t value) { return std::to_wstring(value); }

}  // namespace tv
