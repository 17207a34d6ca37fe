#!/usr/bin/env bash
# `make run`: starts the program under Wine in the project's own prefix
# (build/wine-run). On a desktop it shows on the current display until closed;
# without one it starts a virtual display, waits for the main window, saves a
# screenshot and prints its path. The prefix's Documents folder gets the
# sample rate file the first time (scripts/prefix-documents.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$root/build/win/bin/TallyvanePro.exe
export TV_WINE_STATE=$root/build/wine-run

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ] && xdpyinfo >/dev/null 2>&1; then
    TV_USE_DISPLAY=1 exec "$root/scripts/wine-session.sh" "$root/scripts/prefix-documents.sh" \
        wine "$exe"
fi

shot=$root/build/screenshots/run.png
mkdir -p "$(dirname "$shot")"
rm -f "$shot"
export root shot
"$root/scripts/wine-session.sh" bash -c '
    set -e
    "$root/scripts/prefix-documents.sh"
    . "$root/scripts/screen-tools.sh"
    start_program ""
    shoot_window "$shot"
    stop_program
'
[ -s "$shot" ] || { echo "make run: the main window did not appear" >&2; exit 1; }
echo "make run: no display here; the main window as it started: $shot"
