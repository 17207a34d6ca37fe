// The 64-band gradient fill of the main window and of the keypad buttons.
#pragma once

#include <windows.h>

#include "app/gradient.h"

namespace tv {

void FillGradient(HDC dc, int left, int top, int right, int bottom, Rgb from, Rgb to, bool vertical);

}  // namespace tv
