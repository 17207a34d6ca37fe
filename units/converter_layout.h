// Where the main window's controls go, for a client area and a dpi scale.
#pragma once

#include <vector>

#include "platform/layout_scale.h"

namespace tv {

struct LayoutRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct ConverterLayout {
    LayoutRect input, fromList, result, toList, convert;
    int tabBandBottom;   // the category tab's band ends where the fields start
    int toLabelY;        // top of the "To:" label band
    struct Key {
        int id;
        LayoutRect rect;
    };
    std::vector<Key> keys;  // in creation order: 7 8 9 4 5 6 1 2 3 <- 0 . - C
};

// Client area width and height in pixels, the window's scale, the
// orientation, and the height a drop-down list takes once created.
ConverterLayout LayOutConverter(int width, int height, const LayoutScale& s, bool portrait, int listHeight);

}  // namespace tv
