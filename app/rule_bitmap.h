// The decorative rule under dialog headings (bitmap 106).
#pragma once

#include <windows.h>

#include <vector>

#include "platform/owned_handle.h"

namespace tv {

// The rule is drawn for the handheld's 96 dpi; on a denser screen every rule
// of a dialog is stretched to keep its length. Owns the stretched bitmaps:
// it must outlive the dialog's window.
class StretchedRules {
public:
    // Stretches every bitmap static of `dialog`; nothing at 96 dpi.
    void Apply(HWND dialog);

private:
    std::vector<OwnedBitmap> bitmaps_;
};

}  // namespace tv
