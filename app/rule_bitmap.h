// The decorative rule under dialog headings (bitmap 106).
#pragma once

#include <windows.h>

#include <vector>

#include "platform/layout_scale.h"
#include "platform/owned_handle.h"

namespace tv {

// The rule is drawn for the handheld's 96 dpi; on a denser screen every rule
// of a dialog is stretched to keep its length. Owns the bitmaps the rules
// show, and deletes the ones the template gave them.
class StretchedRules {
public:
    // Gives every bitmap static of `dialog` a rule of its own, stretched to `scale`.
    void Apply(HWND dialog, const LayoutScale& scale);

private:
    std::vector<OwnedBitmap> bitmaps_;
};

}  // namespace tv
