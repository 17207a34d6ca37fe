#!/usr/bin/env bash
# Runs a command inside the project's own Wine world: a prefix and a home
# under build/, never the user's; an English (United States) user locale; a
# virtual X display; one persistent wineserver, shut down at the end.
#   scripts/wine-session.sh COMMAND [ARGS...]
# TV_WINE_STATE chooses another state folder; TV_DPI sets the prefix's dpi.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"

# A display of our own, so nothing lands on the user's desktop; with
# TV_USE_DISPLAY=1 the program shows on the current one instead. It is as
# large as a 300 % desktop needs for the emulated screen.
xvfb=""
if [ "${TV_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    display=""
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
    done
    [ -n "$display" ] || { echo "wine-session: no free X display" >&2; exit 1; }
    Xvfb "$display" -screen 0 "${TV_DISPLAY_SIZE:-1600x1200}x24" -nolisten tcp -dpi "${TV_DPI:-96}" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
    export DISPLAY=$display
fi

cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
}
trap cleanup EXIT

wineserver -p
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-session: creating the Wine prefix (once)"
    wine wineboot --init >/dev/null 2>&1
    # A crashing test must fail, not wait in the debugger.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
fi
link_wine_fonts
# No window manager runs on the virtual display: Wine draws the frames.
managed=Y
[ -n "$xvfb" ] && managed=N
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
dpi=${TV_DPI:-96}
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

"$@"
