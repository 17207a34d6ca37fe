#!/usr/bin/env bash
# `make install` and `make uninstall` (packaging/desktop-install.sh) into
# temporary prefixes, from a copy of the checkout with a stand-in for the
# program's files: the files appear, the entry validates, its Exec line
# starts the launcher, which runs the installed copy under Wine (a stand-in
# that says how it was run) in a prefix of its own with the sample rates,
# and says what is missing; the copy names nothing of the checkout and
# outlives it; the icons are the program's, the command-line companion
# answers from bin/ beside its manual page and bash completion, and
# uninstall leaves a prefix as it found it.
#   desktop_install_test.sh REPORT TALLYVANE
set -uo pipefail
report=$1 companion=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/install/junit.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A space, a dollar sign and a quote: each must be quoted in the Exec line and the launcher.
checkout="$work/check out"
prefix="$work/pre \$fix'"
mkdir -p "$checkout/resources" "$checkout/cli"
cp -r "$root/packaging" "$checkout/"
cp "$root/cli/tallyvane.1" "$root/cli/tallyvane.bash-completion" "$checkout/cli/"
cp "$root/resources/tallyvane.ico" "$checkout/resources/"
sample=$root/data/sample/CurRates.dat
program=$checkout/build/win/packages/program
program_files=(TallyvanePro.exe wLabels.dll TallyvanePro.htm Countries.dat sample/CurRates.dat)
mkdir -p "$program/sample"
for file in "${program_files[@]}"; do echo "$file of the program" >"$program/$file"; done
cp "$sample" "$program/sample/CurRates.dat"

# Wine's stand-in: wineboot makes a prefix as Wine does (Documents a link
# into HOME) and counts itself; anything else says how it was run.
mkdir -p "$work/bin" "$work/home"
cat >"$work/bin/wine" <<'EOF'
#!/bin/sh
if [ "$1" = wineboot ]; then
    mkdir -p "$WINEPREFIX/drive_c/users/$(id -un)" && touch "$WINEPREFIX/system.reg"
    ln -s "$HOME" "$WINEPREFIX/drive_c/users/$(id -un)/Documents"
    echo wineboot >>"$HOME/wineboot-runs"
else
    echo "wine $*"
fi
EOF
chmod 755 "$work/bin/wine"
wine_prefix=$work/home/.local/share/tallyvane-pro/wine
documents=$wine_prefix/drive_c/users/$(id -un)/Documents

installer=$checkout/packaging/desktop-install.sh
entry_name=share/applications/tallyvane-pro.desktop
manual_page=share/man/man1/tallyvane.1
completion=share/bash-completion/completions/tallyvane
expected=(bin/tallyvane-pro bin/tallyvane "$manual_page" "$completion" "$entry_name")
for file in "${program_files[@]}"; do expected+=("lib/tallyvane-pro/$file"); done
for size in 16 32 64; do expected+=("share/icons/hicolor/${size}x$size/apps/tallyvane-pro.png"); done

# Every file and folder under $1, one per line, relative to it.
listing() { (cd "$1" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort); }

# The argument vector of the entry's Exec line, as a desktop unquotes it, one per line.
exec_arguments() {
    python3 - "$1" <<'EOF'
import sys
value = next(l for l in open(sys.argv[1], encoding="utf-8") if l.startswith("Exec=")).rstrip("\n")[5:]
text, i = "", 0
while i < len(value):  # the string escapes first
    if value[i] == "\\" and i + 1 < len(value):
        text += {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(value[i + 1], "\\" + value[i + 1])
        i += 2
    else:
        text += value[i]
        i += 1
args, current, quoted, i = [], None, False, 0
while i < len(text):
    c = text[i]
    if quoted and c == "\\" and i + 1 < len(text) and text[i + 1] in '"`$\\':
        current, i = (current or "") + text[i + 1], i + 2
        continue
    if c == '"':
        quoted, current = not quoted, current or ""
    elif c == " " and not quoted:
        if current is not None:
            args.append(current)
        current = None
    elif c == "%" and text[i + 1:i + 2] == "%":
        current, i = (current or "") + "%", i + 1
    else:
        current = (current or "") + c
    i += 1
if quoted:
    sys.exit("unbalanced quotes in Exec=" + value)
if current is not None:
    args.append(current)
print("\n".join(args))
EOF
}

install_puts_files_in_place() {
    bash "$installer" install "$prefix" "$program" "$companion" >/dev/null || { echo "install into $prefix failed"; return 1; }
    local status=0 file extra
    for file in "${expected[@]}"; do
        [ -f "$prefix/$file" ] || { echo "missing: $file"; status=1; }
    done
    [ -x "$prefix/bin/tallyvane-pro" ] || { echo "the launcher is not executable"; status=1; }
    extra=$(listing "$prefix" | grep -v -x -F -f <(
        printf '%s\n' "${expected[@]}" share/tallyvane-pro share/tallyvane-pro/installed
        for file in "${expected[@]}"; do
            while file=$(dirname "$file"); [ "$file" != . ]; do echo "$file"; done
        done))
    [ -z "$extra" ] || { echo "not asked for:"; echo "$extra"; status=1; }
    return $status
}

entry_validates() {
    command -v desktop-file-validate >/dev/null || {
        echo "desktop-file-validate is missing (package desktop-file-utils, scripts/setup.sh)"; return 1; }
    local said
    said=$(desktop-file-validate "$prefix/$entry_name" 2>&1) && [ -z "$said" ] || {
        echo "desktop-file-validate: ${said:-failed}"; return 1; }
    grep -qx 'Icon=tallyvane-pro' "$prefix/$entry_name" || { echo "the entry names another icon"; return 1; }
}

# The launcher as a desktop starts it, with Wine's stand-in first on PATH.
launch() { env -u XDG_DATA_HOME HOME="$work/home" DISPLAY=:99 PATH="$work/bin:$PATH" "$@"; }

entry_starts_the_installed_copy() {
    local args said
    mapfile -t args < <(exec_arguments "$prefix/$entry_name")
    [ "${args[0]:-}" = "$prefix/bin/tallyvane-pro" ] || {
        echo "Exec runs '${args[*]:-}', not the launcher $prefix/bin/tallyvane-pro"; return 1; }
    said=$(launch "${args[@]}" 2>&1)
    [ "$said" = "wine $prefix/lib/tallyvane-pro/TallyvanePro.exe" ] || { echo "the launcher said: $said"; return 1; }
    [ ! -L "$documents" ] && cmp -s "$sample" "$documents/CurRates.dat" ||
        { echo "no sample rates in a Documents folder of the Wine prefix's own"; return 1; }
    # The user's rates stay; the prefix is made once.
    echo "USD 0.5" >"$documents/CurRates.dat"
    said=$(launch "${args[@]}" 2>&1)
    [ "$(cat "$documents/CurRates.dat")" = "USD 0.5" ] || { echo "a second start replaced the user's CurRates.dat"; return 1; }
    [ "$(wc -l <"$work/home/wineboot-runs")" = 1 ] || { echo "wineboot ran at each start"; return 1; }
}

# What the launcher lacks, and the start of what it must say.
launcher_says_what_is_missing() {
    local row said message status=0
    while IFS='|' read -r row message; do
        said=$(eval "$row" 2>&1) && { echo "$row: the launcher succeeded"; status=1; continue; }
        [[ $said == "tallyvane-pro: $message"* ]] || { echo "$row: the launcher said: $said"; status=1; }
    done <<'EOF'
launch env PATH=/no-such-folder "$prefix/bin/tallyvane-pro"|wine is missing
launch env -u DISPLAY "$prefix/bin/tallyvane-pro"|no X display
launch env -u HOME "$prefix/bin/tallyvane-pro"|HOME is not set
EOF
    return $status
}

installed_copy_outlives_the_checkout() {
    local file said status=0
    ! grep -rlF "$checkout" "$prefix" || { echo "the files above name the checkout $checkout"; return 1; }
    mv "$checkout" "$work/moved"
    for file in "${program_files[@]}"; do
        cmp -s "$work/moved/build/win/packages/program/$file" "$prefix/lib/tallyvane-pro/$file" ||
            { echo "lib/tallyvane-pro/$file is gone with the checkout"; status=1; }
    done
    said=$(launch "$prefix/bin/tallyvane-pro" 2>&1)
    mv "$work/moved" "$checkout"
    [ "$said" = "wine $prefix/lib/tallyvane-pro/TallyvanePro.exe" ] || { echo "without the checkout the launcher said: $said"; status=1; }
    return $status
}

companion_answers() {
    local said
    [ -x "$prefix/bin/tallyvane" ] || { echo "bin/tallyvane is not executable"; return 1; }
    said=$("$prefix/bin/tallyvane" convert 100 F C 2>&1)
    [ "$said" = 37.7778 ] || { echo "bin/tallyvane convert 100 F C said: $said"; return 1; }
    cmp -s "$root/cli/tallyvane.1" "$prefix/$manual_page" || { echo "$manual_page is not cli/tallyvane.1"; return 1; }
    cmp -s "$root/cli/tallyvane.bash-completion" "$prefix/$completion" ||
        { echo "$completion is not cli/tallyvane.bash-completion"; return 1; }
}

install_without_the_companion() {
    # The program alone, as before the companion; nothing of what install refuses.
    local bare=$work/bare args what status=0
    bash "$installer" install "$bare" "$program" >/dev/null || { echo "install without the companion failed"; return 1; }
    [ ! -e "$bare/bin/tallyvane" ] && [ ! -e "$bare/$manual_page" ] && [ ! -e "$bare/$completion" ] ||
        { echo "the companion's files installed though none was named"; return 1; }
    bash "$installer" uninstall "$bare" >/dev/null && [ ! -e "$bare" ] || { echo "uninstall of $bare left files"; return 1; }
    cp -r "$program" "$work/stray" && echo notes >"$work/stray/notes.txt"
    while IFS='|' read -r args what; do
        if eval "bash \"\$installer\" install \"\$bare\" $args" >/dev/null 2>&1; then echo "install accepted $what"; status=1; fi
        [ ! -e "$bare" ] || { echo "$what: files were installed"; rm -rf "$bare"; status=1; }
    done <<'EOF'
"$program" "$work/no such program"|a companion that is not there
"$work/no such folder"|a program folder that is not there
"$work/stray"|a program file uninstall would not remove
EOF
    rm -rf "$work/stray"
    return $status
}

icons_are_the_program_icon() {
    local size status=0
    for size in 16 32 64; do
        python3 "$root/tests/install/check_icon_png.py" \
            "$prefix/share/icons/hicolor/${size}x$size/apps/tallyvane-pro.png" "$size" || status=1
    done
    return $status
}

uninstall_leaves_nothing() {
    # Twice installed, once uninstalled: the second install replaced the first.
    bash "$installer" install "$prefix" "$program" "$companion" >/dev/null || { echo "installing again failed"; return 1; }
    bash "$installer" uninstall "$prefix" >/dev/null || { echo "uninstall failed"; return 1; }
    [ ! -e "$prefix" ] || { echo "left in the prefix install made:"; listing "$prefix"; return 1; }
}

uninstall_keeps_what_was_there() {
    local shared=$work/shared wanted after
    mkdir -p "$shared/bin" "$shared/share/applications"
    echo '[Desktop Entry]' >"$shared/share/applications/other.desktop"
    bash "$installer" install "$shared" "$program" "$companion" >/dev/null || { echo "install into $shared failed"; return 1; }
    # Someone else's icon arrives in a folder install made: that folder stays.
    local other=share/icons/hicolor/32x32/apps/other.png
    echo other >"$shared/$other"
    # A damaged list: a program's file name outside its folder is not deleted.
    echo keep >"$shared/bin/keep.dat"
    printf 'file %s\n' "$shared/bin/keep.dat" "$shared/lib/tallyvane-pro/../../bin/keep.dat" >>"$shared/share/tallyvane-pro/installed"
    wanted=$(printf '%s\n' bin bin/keep.dat share share/applications share/applications/other.desktop \
        share/icons share/icons/hicolor share/icons/hicolor/32x32 share/icons/hicolor/32x32/apps "$other" |
        LC_ALL=C sort)
    bash "$installer" uninstall "$shared" >/dev/null || { echo "uninstall failed"; return 1; }
    after=$(listing "$shared")
    [ "$wanted" = "$after" ] || { echo "left after uninstall:"; echo "$after"; echo "wanted:"; echo "$wanted"; return 1; }
}

junit_begin DesktopInstall "$report"
check InstallPutsFilesInPlace install_puts_files_in_place
check EntryValidates entry_validates
check EntryStartsTheInstalledCopy entry_starts_the_installed_copy
check LauncherSaysWhatIsMissing launcher_says_what_is_missing
check InstalledCopyOutlivesTheCheckout installed_copy_outlives_the_checkout
check CompanionAnswers companion_answers
check IconsAreTheProgramIcon icons_are_the_program_icon
check UninstallLeavesNothing uninstall_leaves_nothing
check UninstallKeepsWhatWasThere uninstall_keeps_what_was_there
check InstallWithoutTheCompanion install_without_the_companion
junit_end
