# Sourced inside a Wine session: start the program, wait for its window,
# drive it with keys and photograph it.
exe=${exe:-$root/build/win/bin/TallyvanePro.exe}

# start_program SCREEN: SCREEN is WxH in logical pixels, or empty for portrait.
start_program() {
    # The pointer waits in the screen's corner, off every window: lists under
    # it would select what it points at.
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    xdotool mousemove "$((screen_width - 1))" "$((screen_height - 1))"
    TALLYVANE_SCREEN=$1 wine "$exe" >/dev/null 2>&1 &
    program_pid=$!
    main_window=""
    for _ in $(seq 150); do
        main_window=$(xdotool search --name '^Tallyvane Pro$' 2>/dev/null | head -n 1) && [ -n "$main_window" ] && break
        sleep 0.1
    done
    [ -n "$main_window" ] || { echo "screen-tools: the main window did not appear" >&2; return 1; }
    sleep 1  # first paint
}

# shoot_window FILE [EXTRA]: every window of the program (the main window
# and any dialog over it) and EXTRA pixels right and below, for open menus.
shoot_window() {
    local extra=${2:-0} left=100000 top=100000 right=0 bottom=0 id
    for id in $(xdotool search --onlyvisible --name '^Tallyvane Pro$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$X" -lt "$left" ] && left=$X
        [ "$Y" -lt "$top" ] && top=$Y
        [ $((X + WIDTH)) -gt "$right" ] && right=$((X + WIDTH))
        [ $((Y + HEIGHT)) -gt "$bottom" ] && bottom=$((Y + HEIGHT))
    done
    # Wine draws the frame around the X window's client: take a margin.
    left=$((left - 8)); top=$((top - 52))
    import -window root -crop "$((right + extra + 8 - left))x$((bottom + extra + 8 - top))+$left+$top" +repage "$1"
}

keys() {
    xdotool key --delay 150 "$@"
    sleep 0.7
}

# type_text TEXT: types into the focused control.
type_text() {
    xdotool type --delay 80 -- "$1"
    sleep 0.3
}

# open_popups: how many menus and dropped-down lists show: the program's
# windows without a name, less Wine's screen-sized desktop window.
open_popups() {
    local n=0 id
    for id in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" = "$screen_width" ] && [ "$HEIGHT" = "$screen_height" ] || n=$((n + 1))
    done
    echo "$n"
}

# back_to_main: closes whatever is open over the main window. A click beside
# the windows ends a menu altogether (Escape would leave its bar selected,
# and an Escape to the main window closes the program); a dropped-down list
# needs Escape; then one Escape per dialog.
back_to_main() {
    if [ "$(open_popups)" -gt 0 ]; then xdotool click 1; sleep 0.5; fi
    [ "$(open_popups)" -eq 0 ] || keys Escape
    local _
    for _ in 1 2 3 4; do
        [ "$(xdotool search --onlyvisible --name '^Tallyvane Pro$' 2>/dev/null | wc -l)" -gt 1 ] || return 0
        keys Escape
    done
    echo "screen-tools: a dialog over the main window does not close" >&2
    return 1
}

stop_program() {
    xdotool key ctrl+q 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$program_pid" 2>/dev/null || true
}
