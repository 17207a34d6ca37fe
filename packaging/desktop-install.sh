#!/usr/bin/env bash
# `make install` and `make uninstall`: a copy of the program under PREFIX/lib
# with the launcher that starts it under Wine (the Debian package's, in a
# Wine prefix of the user's own), an entry in the desktop's application menu
# with the program's icon; and, when its binary is named, the command-line
# companion tallyvane. Nothing installed refers back to the checkout.
#   packaging/desktop-install.sh install PREFIX PROGRAM [TALLYVANE]
#   packaging/desktop-install.sh uninstall PREFIX
# PROGRAM is the folder of the program's files (build/win/packages/program,
# the dist tree's stage target), copied to PREFIX/lib/tallyvane-pro.
# Installs PREFIX/bin/tallyvane-pro (the launcher),
# PREFIX/share/applications/tallyvane-pro.desktop,
# PREFIX/share/icons/hicolor/<size>/apps/tallyvane-pro.png and
# PREFIX/bin/tallyvane (a copy of TALLYVANE) with its manual page
# PREFIX/share/man/man1/tallyvane.1 and bash completion
# PREFIX/share/bash-completion/completions/tallyvane, and lists what it
# made, folders included, in PREFIX/share/tallyvane-pro/installed: uninstall
# takes away exactly that, and leaves a folder that has since gained others'
# files (the launcher's Wine prefix, XDG_DATA_HOME/tallyvane-pro/wine, is the
# user's and stays).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=tallyvane-pro

usage() { echo "usage: desktop-install.sh install PREFIX PROGRAM [TALLYVANE] | uninstall PREFIX" >&2; exit 2; }
[ $# -ge 2 ] && [ -n "$2" ] || usage
action=$1 prefix=$2 program=${3:-} companion=${4:-}
case $action in
    install) [ $# -ge 3 ] && [ $# -le 4 ] || usage ;;
    uninstall) [ $# -eq 2 ] || usage ;;
esac
[ -z "$companion" ] || [ -x "$companion" ] || { echo "desktop-install: $companion is no program to install" >&2; exit 1; }
case $prefix in
    *$'\n'*) echo "desktop-install: a line break in PREFIX cannot be written into a desktop entry" >&2; exit 1 ;;
    /*) ;;
    *) prefix=$PWD/$prefix ;;  # the entry needs an absolute path
esac
prefix=${prefix%/}
manifest=$prefix/share/$name/installed
lib=$prefix/lib/$name

# The names of the program's files, the only ones uninstall takes from lib.
program_file() {
    case ${1##*/} in TallyvanePro.exe | wLabels.dll | TallyvanePro.htm | *.dat) return 0 ;; esac
    return 1
}

uninstall() {
    [ -f "$manifest" ] || { echo "desktop-install: nothing of Tallyvane Pro is installed in $prefix"; return 0; }
    local entries i kind path
    mapfile -t entries <"$manifest"
    rm -f -- "$manifest"
    for ((i = ${#entries[@]} - 1; i >= 0; i--)); do
        kind=${entries[i]%% *} path=${entries[i]#* }
        case $kind in
            # Only the names install writes: a damaged list deletes nothing else.
            file)
                case ${path##*/} in "$name" | "$name.desktop" | "$name.png" | tallyvane | tallyvane.1) rm -f -- "$path" ;; esac
                # The program's files only inside its own folder.
                case $path in */../*) ;; "$lib/"*) ! program_file "$path" || rm -f -- "$path" ;; esac
                ;;
            dir) rmdir -- "$path" 2>/dev/null || true ;;
        esac
    done
    echo "desktop-install: removed Tallyvane Pro from $prefix"
}

made=()
remember() {
    made+=("$1 $2")
    [ -d "$(dirname "$manifest")" ] && printf '%s\n' "${made[@]}" >"$manifest"
    return 0
}

# mkdir -p that remembers each folder it makes.
make_dir() {
    [ -d "$1" ] && return 0
    make_dir "$(dirname "$1")"
    mkdir -- "$1"
    remember dir "$1"
}

# A copy of file $1 as $2, with mode $3, in a folder made if need be.
put() {
    make_dir "$(dirname "$2")"
    remember file "$2"
    cp -- "$1" "$2"
    chmod "$3" "$2"
}

# $1 in single quotes, as sh reads it back.
sh_quote() {
    local q="'"
    printf "'%s'" "${1//$q/$q\\$q$q}"
}

# One argument of an Exec line: quoted, with the characters the desktop entry
# format reserves escaped, then escaped again as the value of a string key.
exec_argument() {
    local s=$1
    s=${s//\\/\\\\}; s=${s//\"/\\\"}; s=${s//\`/\\\`}; s=${s//\$/\\\$}
    s="\"$s\""
    s=${s//\\/\\\\}; s=${s//%/%%}
    printf '%s' "$s"
}

install() {
    [ -f "$program/TallyvanePro.exe" ] || { echo "desktop-install: no program in $program (make install builds it)" >&2; return 1; }
    local file files=()
    while IFS= read -r -d '' file; do
        program_file "$file" || { echo "desktop-install: $program/$file is no file uninstall would remove" >&2; return 1; }
        files+=("$file")
    done < <(cd "$program" && find . -type f -printf '%P\0')
    # A second install replaces the first: a file the new copy lacks must not linger.
    [ ! -f "$manifest" ] || uninstall >/dev/null
    local launcher entry size
    icons=$(mktemp -d)
    trap 'rm -rf "$icons"' EXIT
    python3 "$root/packaging/ico_to_png.py" "$root/resources/tallyvane.ico" "$icons" >/dev/null

    # The list's own folder first, so that every later step is on it.
    make_dir "$(dirname "$manifest")"

    for file in "${files[@]}"; do
        put "$program/$file" "$lib/$file" 644
    done

    # The Debian package's launcher, with this copy's folder (quoted for sh) written in.
    launcher=$prefix/bin/$name
    grep -qx 'lib=@LIB@' "$root/packaging/$name.sh" || { echo "desktop-install: no line lib=@LIB@ in packaging/$name.sh" >&2; return 1; }
    make_dir "$(dirname "$launcher")"
    remember file "$launcher"
    while IFS= read -r line; do
        [ "$line" != 'lib=@LIB@' ] || line="lib=$(sh_quote "$lib")"
        printf '%s\n' "$line"
    done <"$root/packaging/$name.sh" >"$launcher"
    chmod 755 "$launcher"

    entry=$prefix/share/applications/$name.desktop
    make_dir "$(dirname "$entry")"
    remember file "$entry"
    grep -q '^Exec=' "$root/packaging/$name.desktop" || { echo "desktop-install: no Exec line in packaging/$name.desktop" >&2; return 1; }
    while IFS= read -r line; do
        case $line in Exec=*) line="Exec=$(exec_argument "$launcher")" ;; esac
        printf '%s\n' "$line"
    done <"$root/packaging/$name.desktop" >"$entry"
    chmod 644 "$entry"

    for png in "$icons"/*.png; do
        size=$(basename "$png" .png)
        make_dir "$prefix/share/icons/hicolor/${size}x$size/apps"
        remember file "$prefix/share/icons/hicolor/${size}x$size/apps/$name.png"
        cp -- "$png" "$prefix/share/icons/hicolor/${size}x$size/apps/$name.png"
        chmod 644 "$prefix/share/icons/hicolor/${size}x$size/apps/$name.png"
    done
    if [ -n "$companion" ]; then
        put "$companion" "$prefix/bin/tallyvane" 755
        # Where man and bash-completion look for them beside PREFIX/bin.
        put "$root/cli/tallyvane.1" "$prefix/share/man/man1/tallyvane.1" 644
        put "$root/cli/tallyvane.bash-completion" "$prefix/share/bash-completion/completions/tallyvane" 644
    fi
    echo "desktop-install: Tallyvane Pro is in $lib and in the application menu ($entry)"
    [ -z "$companion" ] || echo "desktop-install: the command-line companion is $prefix/bin/tallyvane"
}

case $action in
    install) install ;;
    uninstall) uninstall ;;
    *) usage ;;
esac
