#!/usr/bin/env bash
# `make install` and `make uninstall` (packaging/desktop-install.sh) into
# temporary prefixes, from a copy of the checkout whose scripts/run.sh only
# says that it ran: the files appear, the entry validates, its Exec line
# starts the checkout's run.sh, the icons are the program's, the command-line
# companion answers from bin/ beside its manual page and bash completion, and
# uninstall leaves a prefix as it found it.
#   desktop_install_test.sh REPORT TALLYVANE
set -uo pipefail
report=$1 companion=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/install/junit.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A space and a dollar sign: both must be quoted in the Exec line.
checkout="$work/check out"
prefix="$work/pre \$fix"
mkdir -p "$checkout/scripts" "$checkout/resources" "$checkout/cli"
cp -r "$root/packaging" "$checkout/"
cp "$root/cli/tallyvane.1" "$root/cli/tallyvane.bash-completion" "$checkout/cli/"
cp "$root/resources/tallyvane.ico" "$checkout/resources/"
cat >"$checkout/scripts/run.sh" <<'EOF'
#!/usr/bin/env bash
echo "run.sh of $(cd "$(dirname "$0")/.." && pwd) ran"
EOF
chmod 755 "$checkout/scripts/run.sh"

installer=$checkout/packaging/desktop-install.sh
entry_name=share/applications/tallyvane-pro.desktop
manual_page=share/man/man1/tallyvane.1
completion=share/bash-completion/completions/tallyvane
expected=(bin/tallyvane-pro bin/tallyvane "$manual_page" "$completion" "$entry_name")
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
    bash "$installer" install "$prefix" "$companion" >/dev/null || { echo "install into $prefix failed"; return 1; }
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

entry_starts_the_checkout() {
    local args said
    mapfile -t args < <(exec_arguments "$prefix/$entry_name")
    [ "${args[0]:-}" = "$prefix/bin/tallyvane-pro" ] || {
        echo "Exec runs '${args[*]:-}', not the launcher $prefix/bin/tallyvane-pro"; return 1; }
    said=$("${args[@]}" 2>&1)
    [ "$said" = "run.sh of $checkout ran" ] || { echo "the launcher said: $said"; return 1; }
}

launcher_reports_a_moved_checkout() {
    mv "$checkout/scripts/run.sh" "$work/run.sh"
    local said code
    said=$("$prefix/bin/tallyvane-pro" 2>&1)
    code=$?
    mv "$work/run.sh" "$checkout/scripts/run.sh"
    [ "$code" != 0 ] || { echo "the launcher succeeded without the checkout's run.sh"; return 1; }
    grep -q 'make install' <<<"$said" || { echo "the launcher said only: $said"; return 1; }
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
    # The launcher and entry alone, as before the companion; it takes no program that does not run.
    local bare=$work/bare
    bash "$installer" install "$bare" >/dev/null || { echo "install without the companion failed"; return 1; }
    [ ! -e "$bare/bin/tallyvane" ] && [ ! -e "$bare/$manual_page" ] && [ ! -e "$bare/$completion" ] ||
        { echo "the companion's files installed though none was named"; return 1; }
    bash "$installer" uninstall "$bare" >/dev/null && [ ! -e "$bare" ] || { echo "uninstall of $bare left files"; return 1; }
    if bash "$installer" install "$bare" "$work/no such program" >/dev/null 2>&1; then
        echo "install accepted a companion that is not there"; return 1
    fi
    [ ! -e "$bare/bin/tallyvane" ] || { echo "a companion that is not there was installed"; return 1; }
    rm -rf "$bare"
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
    bash "$installer" install "$prefix" "$companion" >/dev/null || { echo "installing again failed"; return 1; }
    bash "$installer" uninstall "$prefix" >/dev/null || { echo "uninstall failed"; return 1; }
    [ ! -e "$prefix" ] || { echo "left in the prefix install made:"; listing "$prefix"; return 1; }
}

uninstall_keeps_what_was_there() {
    local shared=$work/shared wanted after
    mkdir -p "$shared/bin" "$shared/share/applications"
    echo '[Desktop Entry]' >"$shared/share/applications/other.desktop"
    bash "$installer" install "$shared" "$companion" >/dev/null || { echo "install into $shared failed"; return 1; }
    # Someone else's icon arrives in a folder install made: that folder stays.
    local other=share/icons/hicolor/32x32/apps/other.png
    echo other >"$shared/$other"
    wanted=$(printf '%s\n' bin share share/applications share/applications/other.desktop \
        share/icons share/icons/hicolor share/icons/hicolor/32x32 share/icons/hicolor/32x32/apps "$other" |
        LC_ALL=C sort)
    bash "$installer" uninstall "$shared" >/dev/null || { echo "uninstall failed"; return 1; }
    after=$(listing "$shared")
    [ "$wanted" = "$after" ] || { echo "left after uninstall:"; echo "$after"; echo "wanted:"; echo "$wanted"; return 1; }
}

junit_begin DesktopInstall "$report"
check InstallPutsFilesInPlace install_puts_files_in_place
check EntryValidates entry_validates
check EntryStartsTheCheckout entry_starts_the_checkout
check LauncherReportsAMovedCheckout launcher_reports_a_moved_checkout
check CompanionAnswers companion_answers
check IconsAreTheProgramIcon icons_are_the_program_icon
check UninstallLeavesNothing uninstall_leaves_nothing
check UninstallKeepsWhatWasThere uninstall_keeps_what_was_there
check InstallWithoutTheCompanion install_without_the_companion
junit_end
