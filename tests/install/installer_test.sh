#!/usr/bin/env bash
# The Windows installer, for real, under Wine in a prefix of its own that is
# made afresh each run (build/wine-install): a silent install, the installed
# program started from its folder, its Apps & features entry, the user's first
# rate file, a second install over the first, and a silent uninstall that
# leaves nothing of the program but what belongs to the user.
#   installer_test.sh SETUP STAGE DRIVER VERSION REPORT
# STAGE is the folder the packages were made from: what must be installed.
# Runs inside scripts/wine-session.sh (ctest does): it needs that display.
set -uo pipefail
setup=$1 stage=$2 driver=$3 version=$4 report=$5
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/install/junit.sh"

export TV_WINE_STATE=$root/build/wine-install
. "$root/scripts/wine-env.sh"
# Wine's menu builder reads every new shortcut's target to draw its icon; the
# uninstall racing it would find the folder still in use.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
trap 'wineserver -k >/dev/null 2>&1' EXIT

install_dir='C:\Program Files\Tallyvane Pro'
shortcut_name='Tallyvane Pro.lnk'
sample=$root/data/sample/CurRates.dat
prepared=0 installed=0 documents="" programs=""

# A Windows path of the prefix as a path here.
unix_path() {
    local path=${1//$'\r'/} drive
    drive=${path:0:1}
    path=${path:2}
    printf '%s' "$WINEPREFIX/dosdevices/${drive,,}:${path//\\//}"
}
install_root=$(unix_path "$install_dir")

needs_install() {
    [ "$installed" = 1 ] && return 0
    echo "not run: the silent install did not succeed"
    return 1
}

fresh_prefix() {
    [ -n "${DISPLAY:-}" ] || { echo "no display: run under scripts/wine-session.sh"; return 1; }
    [ -f "$setup" ] || { echo "no installer at $setup: build it with make dist"; return 1; }
    wineserver -k >/dev/null 2>&1 && wineserver -w
    rm -rf "$TV_WINE_STATE"
    mkdir -p "$WINEPREFIX" "$HOME"
    wineserver -p
    wine wineboot --init >/dev/null 2>&1 || { echo "wineboot --init failed"; return 1; }
    link_wine_fonts
    # A crash must fail the test, not wait in the debugger.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
    prepared=1
}

silent_install() {
    [ "$prepared" = 1 ] || { echo "not run: no fresh prefix"; return 1; }
    local code missing=()
    wine "$setup" /S
    code=$?
    [ "$code" = 0 ] || { echo "$(basename "$setup") /S ended with exit code $code"; return 1; }
    while IFS= read -r -d '' file; do
        file=${file#"$stage"/}
        if [ ! -f "$install_root/$file" ]; then missing+=("$file (missing)")
        elif ! cmp -s "$stage/$file" "$install_root/$file"; then missing+=("$file (differs from the packages')")
        fi
    done < <(find "$stage" -type f -print0)
    [ -f "$install_root/Uninstall.exe" ] || missing+=("Uninstall.exe (missing)")
    if [ ${#missing[@]} -gt 0 ]; then
        printf 'not installed as packed: %s\n' "${missing[@]}"
        return 1
    fi
    installed=1
    local folders
    folders=$(wine "$driver" folders) || { echo "cannot tell the prefix's folders"; return 1; }
    documents=$(unix_path "$(sed -n 1p <<<"$folders")")
    programs=$(unix_path "$(sed -n 2p <<<"$folders")")
}

start_menu_shortcut() {
    needs_install || return 1
    [ -s "$programs/$shortcut_name" ] || { echo "no shortcut $shortcut_name in $programs"; return 1; }
}

first_rate_file() {
    needs_install || return 1
    cmp "$sample" "$documents/CurRates.dat" 2>&1 || {
        echo "Documents\\CurRates.dat is not the sample rate file"; return 1; }
}

installed_program_runs() {
    needs_install || return 1
    wine "$driver" program "$install_dir\\TallyvanePro.exe"
}

apps_and_features_entry() {
    needs_install || return 1
    wine "$driver" entry "$version" "$install_dir"
}

reinstall_keeps_rate_file() {
    needs_install || return 1
    local edited=$TV_WINE_STATE/edited-rates.dat code
    { head -n 1 "$sample"; printf 'USD 0.5\r\n'; } >"$edited"
    cp "$edited" "$documents/CurRates.dat"
    wine "$setup" /S
    code=$?
    [ "$code" = 0 ] || { echo "installing again ended with exit code $code"; return 1; }
    cmp "$edited" "$documents/CurRates.dat" 2>&1 || {
        echo "installing again replaced the user's CurRates.dat"; return 1; }
}

silent_uninstall() {
    needs_install || return 1
    wine "$driver" uninstall "$install_dir" || return 1
    local status=0
    if [ -e "$install_root" ]; then
        echo "$install_dir is still there, holding:"
        (cd "$install_root" && find . -mindepth 1 | sed 's|^\./|  |')
        status=1
    fi
    [ ! -e "$programs/$shortcut_name" ] || { echo "the Start-menu shortcut is still there"; status=1; }
    wine "$driver" removed || status=1
    return $status
}

uninstall_keeps_user_data() {
    needs_install || return 1
    local status=0
    wine "$driver" settings || status=1
    [ -f "$documents/CurRates.dat" ] || { echo "the uninstall took the user's CurRates.dat"; status=1; }
    return $status
}

junit_begin Installer "$report"
check FreshPrefix fresh_prefix
check SilentInstall silent_install
check StartMenuShortcut start_menu_shortcut
check FirstRateFile first_rate_file
check InstalledProgramRuns installed_program_runs
check AppsAndFeaturesEntry apps_and_features_entry
check ReinstallKeepsRateFile reinstall_keeps_rate_file
check SilentUninstall silent_uninstall
check UninstallKeepsUserData uninstall_keeps_user_data
junit_end
