// The strip of nine letter-group cells under the code lists. A tap, or Enter
// or Space on the cell Left, Right, Home and End chose, posts
// kStripTapMessage with the cell to the parent.
#pragma once

#include <windows.h>

namespace tv {

constexpr UINT kStripTapMessage = WM_USER + 113;

class LetterIndexStrip {
public:
    // A visible child of `parent`; placed by the parent's layout. It makes
    // its font once, answers WM_GETFONT with it and deletes it when it goes.
    static HWND Create(HWND parent);
};

}  // namespace tv
