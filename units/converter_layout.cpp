#include "units/converter_layout.h"

#include "resources/resource_ids.h"

namespace tv {

ConverterLayout LayOutConverter(int width, int height, int sx, int sy, bool portrait, int listHeight) {
    ConverterLayout l{};
    LayoutRect k{2 * sx, 2 * sy, width - 2 * sx, height - 2 * sy};
    const int third = (k.right - k.left) / 3;
    const int fieldLeft = 32 * sx;

    k.top += 30 * sy;  // the category tab
    l.tabBandBottom = k.top;
    l.input = {fieldLeft, k.top, k.right, k.top + 20 * sy};
    k.top += 22 * sy;
    l.fromList = {fieldLeft, k.top, fieldLeft + 2 * third, k.bottom};
    k.top += listHeight + (portrait ? 20 : 4) * sy;
    l.toLabelY = k.top;
    l.result = {fieldLeft, k.top, k.right, k.top + 20 * sy};
    k.top += 22 * sy;
    l.toList = {fieldLeft, k.top, fieldLeft + 2 * third, k.bottom};
    k.top += listHeight + (portrait ? 20 : 5) * sy;

    int x = k.left;
    int y = k.top;
    const int rowStep = 20 * sy + 2 * sx;
    auto add = [&](int id, int keyWidth) {
        l.keys.push_back({id, {x, y, x + keyWidth * sx, y + 20 * sy}});
        x += 22 * sx;
    };
    const int groups[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int g = 0; g < 3; ++g) {
        if (g > 0 && portrait) {
            x = k.left;
            y += rowStep;
        }
        for (int digit : groups[g]) add(IDC_KEY_0 + digit, 20);
    }
    add(IDC_KEY_BACK, 40);
    x = k.left;
    y += rowStep;
    add(IDC_KEY_0, 20);
    add(IDC_KEY_POINT, 20);
    add(IDC_KEY_MINUS, 20);
    add(IDC_KEY_CLEAR, 40);
    l.convert = {k.left + 2 * third, y, k.left + 3 * third, y + 20 * sy};
    return l;
}

}  // namespace tv
