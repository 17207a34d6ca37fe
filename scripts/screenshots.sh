#!/usr/bin/env bash
# `make screenshots`: pictures of every window under build/screenshots/, at
# 96 dpi (portrait, landscape, square) and at 192 dpi.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/screenshots
mkdir -p "$out"
export root out

TV_WINE_STATE=$root/build/wine-shots "$root/scripts/wine-session.sh" bash -c '
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
    stop_program
    for screen in 320x240 240x240; do
        start_program "$screen"
        shoot_window "$out/main-$screen.png"
        keys F10 Return
        shoot_window "$out/menu-unit-$screen.png" 160
        keys Escape Escape
        stop_program
    done
'
TV_DPI=192 TV_DISPLAY_SIZE=1280x1024 TV_WINE_STATE=$root/build/wine-shots192 "$root/scripts/wine-session.sh" bash -c '
    set -e
    . "$root/scripts/screen-tools.sh"
    start_program ""
    shoot_window "$out/main-192dpi.png"
    keys F10 Right Right Right Return Up Up Return
    shoot_window "$out/options-192dpi.png"
    keys Escape F10 Right Return Down Down Return
    shoot_window "$out/clothing-sizes-192dpi.png"
    keys Escape F10 Right Right Right Return Up Up Up Right Down Down Down Return
    shoot_window "$out/sales-tax-192dpi.png"
    keys Escape F10 Right Right Right Return Up Up Up Right Down Down Return
    shoot_window "$out/care-labels-192dpi.png"
    keys Escape
    stop_program
'
ls "$out"/*.png
