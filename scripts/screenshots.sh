#!/usr/bin/env bash
# `make screenshots`: pictures of every window under build/screenshots/, at
# 96 dpi (portrait, landscape, square) and at 192 dpi.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/screenshots
mkdir -p "$out"
export root out

TV_WINE_STATE=$root/build/wine-shots "$root/scripts/wine-session.sh" "$root/scripts/prefix-documents.sh" bash -c '
    set -e
    . "$root/scripts/screen-tools.sh"
    start_program ""
    shoot_window "$out/main-portrait.png"
    keys F10 Return
    shoot_window "$out/menu-unit.png" 160
    keys Escape Escape F10 Right Right Right Return
    shoot_window "$out/menu-tools.png" 200
    keys Up Up Return
    shoot_window "$out/options.png"
    keys Escape F10 Right Right Right Return Up Return
    shoot_window "$out/about.png"
    keys Escape F10 Right Return Down Down Return
    shoot_window "$out/clothing-sizes.png"
    keys Down Down
    shoot_window "$out/clothing-sizes-hosiery.png"
    keys Escape F10 Right Right Right Return Up Up Up Right Down Down Down Return
    shoot_window "$out/sales-tax.png"
    keys Down
    shoot_window "$out/sales-tax-usa.png"
    keys Escape F10 Right Right Right Return Up Up Up Right Down Down Return
    shoot_window "$out/care-labels.png"
    keys Escape
    keys F10 Right Right Right Return Down Down Down Down Right Return
    shoot_window "$out/dialing-codes.png"
    keys Escape F10 Right Right Right Return Down Down Down Down Right Down Return
    shoot_window "$out/city-area-codes.png"
    keys Escape
    # The calculators: the longer formula lists dropped down, then each
    # after one calculation typed on the keyboard (Enter is Calculate). The
    # pointer is kept off the lists, whose selection would follow it.
    xdotool mousemove 1000 740
    keys F10 Right Return Down Return
    keys F4
    shoot_window "$out/electrical-list.png" 120
    keys Escape
    keys Tab 1 0 Tab Tab 5 Return
    shoot_window "$out/electrical.png"
    keys Escape
    keys F10 Right Right Right Return Return
    keys Down Down Tab 2 Tab 9 0 Return
    shoot_window "$out/circle.png"
    keys Escape
    keys F10 Right Right Right Return Down Return
    keys F4
    shoot_window "$out/area-volume-list.png" 120
    keys Escape
    keys Down Down Down Tab 2 Tab 3 Tab 4 Return
    shoot_window "$out/area-volume.png"
    keys Escape
    keys F10 Right Right Right Return Down Down Return
    keys Down Tab 2 0 Tab 1 0 Return
    shoot_window "$out/permutation.png"
    keys Escape
    keys F10 Right Right Right Return Down Down Down Return
    shoot_window "$out/days-between.png"
    keys Escape
    # Number base converter: empty, 255 converted, then its Edit menu.
    keys F10 Right Return Return
    shoot_window "$out/number-base.png"
    type_text 255
    keys shift+Tab shift+Tab space
    shoot_window "$out/number-base-255.png"
    keys F10 Return
    shoot_window "$out/number-base-edit-menu.png" 120
    keys Escape Escape Escape
    # Price comparison: two products calculated (back past the first price
    # to Calculate, the last key).
    keys F10 Right Return Up Return
    type_text 3.99; keys Tab; type_text 2; keys Tab Tab; type_text 2.50; keys Tab; type_text 500
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    shoot_window "$out/price-comparison.png"
    keys Escape
    # Currency converter over the sample rates: 100 converted (Enter is
    # Convert), its two menus, the date of the rates, the currency picker.
    keys F10 Right Return Down Down Down Return
    type_text 100; keys Return
    shoot_window "$out/currency.png"
    keys F10 Return
    shoot_window "$out/currency-edit-menu.png" 120
    keys Escape Escape F10 Right Return
    shoot_window "$out/currency-tools-menu.png" 160
    keys Return
    shoot_window "$out/currency-data.png"
    keys Escape shift+Tab space
    shoot_window "$out/currency-picker.png"
    keys Escape Escape
    # Euro converter: 100 euros converted, then its picker.
    keys F10 Right Return Down Down Down Down Return
    type_text 100; keys Return
    shoot_window "$out/euro-rates.png"
    keys shift+Tab space
    shoot_window "$out/euro-picker.png"
    keys Escape Escape
    stop_program
    for screen in 320x240 240x240; do
        start_program "$screen"
        shoot_window "$out/main-$screen.png"
        keys F10 Return
        shoot_window "$out/menu-unit-$screen.png" 160
        keys Escape Escape F10 Right Return Down Down Down Return
        type_text 100; keys Return
        shoot_window "$out/currency-$screen.png"
        keys shift+Tab space
        shoot_window "$out/currency-picker-$screen.png"
        keys Escape Escape
        stop_program
    done
'
TV_DPI=192 TV_DISPLAY_SIZE=1280x1024 TV_WINE_STATE=$root/build/wine-shots192 "$root/scripts/wine-session.sh" \
    "$root/scripts/prefix-documents.sh" bash -c '
    set -e
    . "$root/scripts/screen-tools.sh"
    start_program ""
    shoot_window "$out/main-192dpi.png"
    keys F10 Right Right Right Return Up Up Return
    shoot_window "$out/options-192dpi.png"
    keys Escape F10 Right Return Return
    type_text 255
    keys shift+Tab shift+Tab space
    shoot_window "$out/number-base-192dpi.png"
    keys Escape F10 Right Return Up Return
    type_text 0.25; keys Tab; type_text 2
    keys shift+Tab shift+Tab space
    shoot_window "$out/price-comparison-192dpi.png"
    keys Escape
    keys F10 Right Right Right Return Down Down Down Down Right Return
    shoot_window "$out/dialing-codes-192dpi.png"
    keys Escape
    keys F10 Right Return Down Return
    keys Tab 1 0 Tab Tab 5 Return
    shoot_window "$out/electrical-192dpi.png"
    keys Escape
    keys F10 Right Right Right Return Return
    keys Down Down Tab 2 Tab 9 0 Return
    shoot_window "$out/circle-192dpi.png"
    keys Escape
    keys F10 Right Right Right Return Down Return
    keys Down Down Down Tab 2 Tab 3 Tab 4 Return
    shoot_window "$out/area-volume-192dpi.png"
    keys Escape
    keys F10 Right Right Right Return Down Down Return
    keys Down Tab 2 0 Tab 1 0 Return
    shoot_window "$out/permutation-192dpi.png"
    keys Escape
    keys F10 Right Right Right Return Down Down Down Return
    shoot_window "$out/days-between-192dpi.png"
    keys Escape F10 Right Return Down Down Return
    shoot_window "$out/clothing-sizes-192dpi.png"
    keys Escape F10 Right Right Right Return Up Up Up Right Down Down Down Return
    shoot_window "$out/sales-tax-192dpi.png"
    keys Escape F10 Right Right Right Return Up Up Up Right Down Down Return
    shoot_window "$out/care-labels-192dpi.png"
    keys Escape
    keys F10 Right Return Down Down Down Return
    type_text 100; keys Return
    shoot_window "$out/currency-192dpi.png"
    keys F10 Right Return Return
    shoot_window "$out/currency-data-192dpi.png"
    keys Escape shift+Tab space
    shoot_window "$out/currency-picker-192dpi.png"
    keys Escape Escape
    stop_program
'
ls "$out"/*.png
