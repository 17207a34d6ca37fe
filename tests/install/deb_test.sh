#!/usr/bin/env bash
# The Debian package of make dist: lintian and appstream find nothing wrong
# in it; then, for real, apt-get installs it, tallyvane-pro starts in a new
# HOME on a display of the test's own until the main window shows (the first
# start makes the Wine prefix, gives it Wine's fonts and puts the sample
# rates in its Documents), tallyvane answers and man finds the pages, and a
# purge leaves none of the package's files. The apt-get part needs root and
# a machine where tallyvane-pro is not installed already: elsewhere it is
# skipped.
#   deb_test.sh DEB SAMPLE REPORT
set -uo pipefail
deb=$(realpath "$1") sample=$2 report=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/install/junit.sh"

work=$(mktemp -d)
home=$work/home
wineprefix=$home/.local/share/tallyvane-pro/wine
xvfb="" launcher="" installed=0
cleanup() {
    # A purge the checks never reached: the machine is left as it was found.
    [ "$installed" = 0 ] || apt-get remove --purge -y tallyvane-pro >/dev/null 2>&1
    [ -z "$launcher" ] || kill "$launcher" 2>/dev/null
    [ ! -d "$wineprefix" ] || WINEPREFIX=$wineprefix wineserver -k >/dev/null 2>&1
    [ -z "$xvfb" ] || { kill "$xvfb"; wait "$xvfb"; } 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

package_is_clean() {
    [ -f "$deb" ] || { echo "no package at $deb: build it with make dist"; return 1; }
    command -v lintian >/dev/null && command -v appstreamcli >/dev/null ||
        { echo "lintian or appstreamcli is missing (scripts/setup.sh installs them)"; return 1; }
    local said status=0
    said=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ')
    [ -z "$said" ] || { echo "lintian:"; echo "$said"; status=1; }
    mkdir -p "$work/unpacked" && dpkg-deb -x "$deb" "$work/unpacked"
    said=$(appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/tallyvane-pro.metainfo.xml" 2>&1) ||
        { echo "appstreamcli validate:"; echo "$said"; status=1; }
    return $status
}

apt_installs() {
    local log=$work/apt.log
    DEBIAN_FRONTEND=noninteractive apt-get install -y -o DPkg::Lock::Timeout=120 "$deb" >"$log" 2>&1 ||
        { echo "apt-get install failed:"; tail -n 20 "$log"; return 1; }
    installed=1
    dpkg -L tallyvane-pro >"$work/files" || { echo "dpkg -L tallyvane-pro failed"; return 1; }
}

program_starts() {
    [ "$installed" = 1 ] || { echo "not run: the package is not installed"; return 1; }
    local display="" n window="" docs face
    for n in $(seq 150 199); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
    done
    [ -n "$display" ] || { echo "no free X display"; return 1; }
    Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for n in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
    mkdir -p "$home"
    # As a user starts it from the menu: none of the test session's Wine settings.
    env -u WINEPREFIX -u WINEARCH -u WINEDEBUG -u WINEDLLOVERRIDES -u XDG_DATA_HOME \
        HOME="$home" DISPLAY="$display" tallyvane-pro >"$work/launcher.log" 2>&1 &
    launcher=$!
    for n in $(seq 120); do
        window=$(DISPLAY=$display xdotool search --name '^Tallyvane Pro$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        kill -0 "$launcher" 2>/dev/null || break
        sleep 0.5
    done
    [ -n "$window" ] || { echo "no main window within 60 s; tallyvane-pro said:"; cat "$work/launcher.log"; return 1; }
    docs=$wineprefix/drive_c/users/$(id -un)/Documents
    [ ! -L "$docs" ] && cmp "$sample" "$docs/CurRates.dat" || { echo "no sample rates in a Documents folder of the prefix's own"; return 1; }
    for face in tahoma.ttf tahomabd.ttf marlett.ttf; do
        [ -f "$wineprefix/drive_c/windows/Fonts/$face" ] || { echo "no $face in the prefix's Fonts folder"; return 1; }
    done
    sleep 1
    DISPLAY=$display xdotool windowfocus --sync "$window" key ctrl+q
    for n in $(seq 50); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$launcher" 2>/dev/null; then echo "the program did not close on Ctrl+Q"; return 1; fi
    wait "$launcher" || { echo "tallyvane-pro ended with status $?:"; cat "$work/launcher.log"; return 1; }
    launcher=""
}

command_line_and_manual() {
    [ "$installed" = 1 ] || { echo "not run: the package is not installed"; return 1; }
    local said page status=0
    [ "$(command -v tallyvane)" = /usr/bin/tallyvane ] || { echo "tallyvane is not /usr/bin/tallyvane"; status=1; }
    said=$(/usr/bin/tallyvane convert 100 F C 2>&1)
    [ "$said" = 37.7778 ] || { echo "tallyvane convert 100 F C said: $said"; status=1; }
    for page in tallyvane tallyvane-pro; do
        said=$(man -w "$page" 2>&1)
        [ "$said" = "/usr/share/man/man1/$page.1.gz" ] || { echo "man -w $page said: $said"; status=1; }
    done
    return $status
}

purge_leaves_nothing() {
    [ "$installed" = 1 ] || { echo "not run: the package is not installed"; return 1; }
    local log=$work/purge.log path left=()
    DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -o DPkg::Lock::Timeout=120 tallyvane-pro >"$log" 2>&1 ||
        { echo "apt-get remove --purge failed:"; tail -n 20 "$log"; return 1; }
    installed=0
    while IFS= read -r path; do
        [ -e "$path" ] || [ -L "$path" ] || continue
        # A folder stays while it holds others' files or another package has it.
        if [ -d "$path" ] && [ ! -L "$path" ]; then
            [ -n "$(ls -A "$path")" ] || dpkg-query -S "$path" >/dev/null 2>&1 || left+=("$path")
        else
            left+=("$path")
        fi
    done <"$work/files"
    [ ${#left[@]} -eq 0 ] || { echo "left after the purge:"; printf '  %s\n' "${left[@]}"; return 1; }
}

junit_begin DebianPackage "$report"
check PackageIsClean package_is_clean
reason=""
if [ "$(id -u)" != 0 ]; then reason="not root: apt-get cannot install the package"
elif ! command -v apt-get >/dev/null; then reason="no apt-get on this machine"
elif dpkg-query -W -f='${Status}' tallyvane-pro 2>/dev/null | grep -q ' installed$'; then
    reason="tallyvane-pro is installed on this machine already, and the test would purge it"
fi
for entry in AptInstalls:apt_installs ProgramStarts:program_starts \
    CommandLineAndManual:command_line_and_manual PurgeLeavesNothing:purge_leaves_nothing; do
    if [ -n "$reason" ]; then skip "${entry%%:*}" "$reason"; else check "${entry%%:*}" "${entry#*:}"; fi
done
junit_end
