#include "units/converter_layout.h"

#include "resources/resource_ids.h"

namespace tv {

ConverterLayout LayOutConverter(int width, int height, const LayoutScale& s, bool portrait, int listHeight) {
    ConverterLayout l{};
    LayoutRect k{s.X(2), s.Y(2), width - s.X(2), height - s.Y(2)};
    const int third = (k.right - k.left) / 3;
    const int fieldLeft = s.X(32);

    k.top += s.Y(30);  // the category tab
    l.tabBandBottom = k.top;
    l.input = {fieldLeft, k.top, k.right, k.top + s.Y(20)};
    k.top += s.Y(22);
    l.fromList = {fieldLeft, k.top, fieldLeft + 2 * third, k.bottom};
    k.top += listHeight + s.Y(portrait ? 20 : 4);
    l.toLabelY = k.top;
    l.result = {fieldLeft, k.top, k.right, k.top + s.Y(20)};
    k.top += s.Y(22);
    l.toList = {fieldLeft, k.top, fieldLeft + 2 * third, k.bottom};
    k.top += listHeight + s.Y(portrait ? 20 : 5);

    // Keys sit on a grid of 22 logical pixels, each edge scaled whole from
    // the window's edge or the grid's top, so that rounding never adds up
    // along a row: the last key ends at the margin, as at 96 dpi.
    int column = 0, row = 0;
    auto add = [&](int id, int keyWidth) {
        const int x = 2 + 22 * column;
        l.keys.push_back({id, {s.X(x), k.top + s.Y(22 * row), s.X(x + keyWidth), k.top + s.Y(22 * row + 20)}});
        ++column;
    };
    const int groups[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int g = 0; g < 3; ++g) {
        if (g > 0 && portrait) {
            column = 0;
            ++row;
        }
        for (int digit : groups[g]) add(IDC_KEY_0 + digit, 20);
    }
    add(IDC_KEY_BACK, 40);
    column = 0;
    ++row;
    add(IDC_KEY_0, 20);
    add(IDC_KEY_POINT, 20);
    add(IDC_KEY_MINUS, 20);
    add(IDC_KEY_CLEAR, 40);
    const int y = k.top + s.Y(22 * row);
    l.convert = {k.left + 2 * third, y, k.left + 3 * third, y + s.Y(20)};
    return l;
}

}  // namespace tv
