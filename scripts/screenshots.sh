#!/usr/bin/env bash
# `make screenshots`: pictures of every window under build/screenshots/, at
# 96 dpi (portrait, landscape, square), at 96 dpi zoomed to 200 %, and at
# 144 and 192 dpi.
#   scripts/screenshots.sh                  all of them
#   scripts/screenshots.sh --in-session DPI  the pictures at DPI, inside a Wine session at DPI
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/screenshots

# How each window is reached from the main window.
declare -A reach=(
    [main]=""
    [options]="F10 Right Right Right Return Up Up Return"
    [about]="F10 Right Right Right Return Up Return"
    [clothing-sizes]="F10 Right Return Down Down Return"
    [sales-tax]="F10 Right Right Right Return Up Up Up Right Down Down Down Return"
    [care-labels]="F10 Right Right Right Return Up Up Up Right Down Down Return"
    [dialing-codes]="F10 Right Right Right Return Down Down Down Down Right Return"
    [city-area-codes]="F10 Right Right Right Return Down Down Down Down Right Down Return"
    [electrical]="F10 Right Return Down Return"
    [circle]="F10 Right Right Right Return Return"
    [area-volume]="F10 Right Right Right Return Down Return"
    [permutation]="F10 Right Right Right Return Down Down Return"
    [days-between]="F10 Right Right Right Return Down Down Down Return"
    [number-base]="F10 Right Return Return"
    [price-comparison]="F10 Right Return Up Return"
    [currency]="F10 Right Return Down Down Down Return"
    [euro-rates]="F10 Right Return Down Down Down Down Return"
)

# One picture a row (a row goes on after a backslash): the window, the keys
# pressed in it (=TEXT types TEXT; Enter is Calculate or Convert), the margin
# right and below for open menus and lists, then the picture's name in each
# pass, "-" for none: at 96 dpi on the usual portrait screen, then on the
# 320x240 and 240x240 screens (SCREEN is the screen's size), and at 192 dpi
# (the 144-dpi pass takes the same pictures, named for its dpi).
# Each picture starts from the main window alone.
pictures='
window            keys                                          margin  portrait                screens                192dpi
main              -                                             0       main-portrait           main-SCREEN            main-192dpi
main              F10 Return                                    160     menu-unit               menu-unit-SCREEN       -
main              F10 Right Right Right Return                  200     menu-tools              -                      -
options           -                                             0       options                 -                      options-192dpi
about             -                                             0       about                   -                      -
clothing-sizes    -                                             0       clothing-sizes          -                      clothing-sizes-192dpi
clothing-sizes    Down Down                                     0       clothing-sizes-hosiery  -                      -
sales-tax         -                                             0       sales-tax               -                      sales-tax-192dpi
sales-tax         Down                                          0       sales-tax-usa           -                      -
care-labels       -                                             0       care-labels             -                      care-labels-192dpi
dialing-codes     -                                             0       dialing-codes           -                      dialing-codes-192dpi
city-area-codes   -                                             0       city-area-codes         -                      -
electrical        F4                                            120     electrical-list         -                      -
electrical        Tab 1 0 Tab Tab 5 Return                      0       electrical              -                      electrical-192dpi
circle            Down Down Tab 2 Tab 9 0 Return                0       circle                  -                      circle-192dpi
area-volume       F4                                            120     area-volume-list        -                      -
area-volume       Down Down Down Tab 2 Tab 3 Tab 4 Return       0       area-volume             -                      area-volume-192dpi
permutation       Down Tab 2 0 Tab 1 0 Return                   0       permutation             -                      permutation-192dpi
days-between      -                                             0       days-between            -                      days-between-192dpi
number-base       -                                             0       number-base             -                      -
number-base       =255 shift+Tab shift+Tab space                0       number-base-255         -                      number-base-192dpi
number-base       =255 shift+Tab shift+Tab space F10 Return     120     number-base-edit-menu   -                      -
price-comparison  =3.99 Tab =2 Tab Tab =2.50 Tab =500 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space \
                                                                0       price-comparison        -                      -
price-comparison  =0.25 Tab =2 shift+Tab shift+Tab space        0       -                       -                      price-comparison-192dpi
currency          =100 Return                                   0       currency                currency-SCREEN        currency-192dpi
currency          =100 Return F10 Return                        120     currency-edit-menu      -                      -
currency          =100 Return F10 Right Return                  160     currency-tools-menu     -                      -
currency          =100 Return F10 Right Return Return           0       currency-data           -                      currency-data-192dpi
currency          =100 Return shift+Tab space                   0       currency-picker         currency-picker-SCREEN currency-picker-192dpi
euro-rates        =100 Return                                   0       euro-rates              -                      -
euro-rates        =100 Return shift+Tab space                   0       euro-picker             -                      -
'

# press WORD...: the keys, typing each =TEXT.
press() {
    local word pending=()
    for word in "$@"; do
        if [ "${word:0:1}" = "=" ]; then
            [ ${#pending[@]} -eq 0 ] || keys "${pending[@]}"
            pending=()
            type_text "${word:1}"
        else
            pending+=("$word")
        fi
    done
    [ ${#pending[@]} -eq 0 ] || keys "${pending[@]}"
}

# shoot_pass PASS [SCREEN]: the pictures named in column PASS, with the
# program started on SCREEN.
shoot_pass() {
    local pass=$1 screen=${2:-} dpi=${3:-192dpi} header words at
    read -r -a header <<<"$(grep -m1 "^window " <<<"$pictures")"
    for at in "${!header[@]}"; do [ "${header[$at]}" = "$pass" ] && break; done
    [ "${header[$at]}" = "$pass" ] || { echo "screenshots: no pass $pass" >&2; return 1; }
    local passes=$((${#header[@]} - 3))
    start_program "$screen"
    # shellcheck disable=SC2162  # without -r a backslash continues the row
    while read -a words; do
        [ ${#words[@]} -gt 0 ] || continue
        [ "${words[0]}" != window ] || continue
        # Counted from the row's end: the names, and the margin before them.
        local count=${#words[@]} window=${words[0]}
        local name=${words[$((count - passes + at - 3))]} margin=${words[$((count - passes - 1))]}
        [ "$name" != - ] || continue
        name=${name//192dpi/$dpi}
        [ -v "reach[$window]" ] || { echo "screenshots: no way to $window" >&2; return 1; }
        # shellcheck disable=SC2086  # the menu path is words
        [ -z "${reach[$window]}" ] || keys ${reach[$window]}
        [ "${words[1]}" = - ] || press "${words[@]:1:$((count - passes - 2))}"
        shoot_window "$out/${name//SCREEN/$screen}.png" "$margin"
        back_to_main
    done <<<"$pictures"
    stop_program
}

if [ "${1:-}" = --in-session ]; then
    . "$root/scripts/screen-tools.sh"
    if [ "$2" != 96 ]; then
        shoot_pass 192dpi "" "$2dpi"
    else
        shoot_pass portrait
        for screen in 320x240 240x240; do shoot_pass screens "$screen"; done
        # The same pictures as at 192 dpi, drawn at 200 % by the program's own zoom.
        wine reg add 'HKCU\Software\TallyvanePro' /v Zoom /t REG_DWORD /d 200 /f >/dev/null 2>&1
        shoot_pass 192dpi "" zoom200
        wine reg delete 'HKCU\Software\TallyvanePro' /v Zoom /f >/dev/null 2>&1
    fi
    exit
fi

mkdir -p "$out"
TV_WINE_STATE=$root/build/wine-shots "$root/scripts/wine-session.sh" \
    "$root/scripts/prefix-documents.sh" "$root/scripts/screenshots.sh" --in-session 96
for dpi in 144 192; do
    TV_DPI=$dpi TV_DISPLAY_SIZE=1280x1024 TV_WINE_STATE=$root/build/wine-shots$dpi "$root/scripts/wine-session.sh" \
        "$root/scripts/prefix-documents.sh" "$root/scripts/screenshots.sh" --in-session $dpi
done
ls "$out"/*.png
