// What the calculator dialogs do alike to their controls: formula lists
// filled from the string table, fields set by a formula's table entry, field
// text read as the formulas take it, and the message a refused calculation
// shows.
#pragma once

#include <windows.h>

#include <string>

#include "app/window_text.h"
#include "tools/calculator_common.h"

namespace tv {

// Fills the formula list with the names of formulas 0 to count - 1, read
// from the string table, and selects the first.
void FillFormulaList(HWND list, int count, ResourceString (*name)(int formula));

// Editable keeps the text; read-only also empties it.
void ApplyFieldState(HWND edit, FieldState state);

// At most `maxChars` characters of the control's text.
std::wstring FieldText(HWND control, int maxChars);

// The field as a number: text that is not one, or none, reads as 0.
double FieldNumber(HWND edit, int maxChars);

// The selected position of a drop-down list, -1 for none.
int SelectedPosition(HWND list);

// The one message box for a refused calculation, under the program's name;
// nothing for kOk and kNoFormula.
void ShowCalcMessage(HWND dialog, CalcStatus status, UINT icon = MB_ICONEXCLAMATION);

}  // namespace tv
