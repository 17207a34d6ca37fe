// What every calculator shares: the outcome of a calculation, the messages
// the dialogs show for it, and how choosing a formula sets each field.
#pragma once

#include <cmath>

#include "resources/resource_ids.h"

namespace tv {

// A string of the program's string table, with the text the table holds.
struct ResourceString {
    int id;
    const wchar_t* text;
};

inline constexpr ResourceString kInvalidValueMessage{IDS_INVALID_VALUE, L"Invalid value."};
inline constexpr ResourceString kTooLargeMessage{IDS_NUMBER_TOO_LARGE, L"The number is too large."};

enum class CalcStatus {
    kOk,            // show the value
    kInvalidValue,  // the formula rejects the input: kInvalidValueMessage
    kTooLarge,      // the result has no value the field can show: kTooLargeMessage
    kNoFormula,     // no formula chosen: nothing happens
};

struct CalcResult {
    CalcStatus status;
    double value;  // only with kOk
};

// A result beyond the double range comes from a typed number or a product
// too large for it; it is never shown as if it were a number.
inline CalcResult CheckedResult(double value) {
    if (!std::isfinite(value)) return {CalcStatus::kTooLarge, 0.0};
    return {CalcStatus::kOk, value};
}

// What choosing a formula does to an input field.
enum class FieldState {
    kEditable,          // made editable; its text stays
    kReadOnlyCleared,   // made read-only and emptied
};

// The one-letter states the formula tables are written in.
namespace field_letters {
inline constexpr FieldState E = FieldState::kEditable;
inline constexpr FieldState R = FieldState::kReadOnlyCleared;
}  // namespace field_letters

}  // namespace tv
