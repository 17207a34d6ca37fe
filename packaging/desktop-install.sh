#!/usr/bin/env bash
# `make install` and `make uninstall`: an entry in the desktop's application
# menu that starts this checkout's program under Wine, in the checkout's own
# prefix (scripts/run.sh), with the program's icon; and, when its binary is
# named, the command-line companion tallyvane.
#   packaging/desktop-install.sh install PREFIX [TALLYVANE]
#   packaging/desktop-install.sh uninstall PREFIX
# Installs PREFIX/bin/tallyvane-pro (the launcher),
# PREFIX/share/applications/tallyvane-pro.desktop,
# PREFIX/share/icons/hicolor/<size>/apps/tallyvane-pro.png and
# PREFIX/bin/tallyvane (a copy of TALLYVANE) with its manual page
# PREFIX/share/man/man1/tallyvane.1 and bash completion
# PREFIX/share/bash-completion/completions/tallyvane, and lists what it
# made, folders included, in PREFIX/share/tallyvane-pro/installed: uninstall
# takes away exactly that, and leaves a folder that has since gained others' files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=tallyvane-pro

usage() { echo "usage: desktop-install.sh install PREFIX [TALLYVANE] | uninstall PREFIX" >&2; exit 2; }
[ $# -ge 2 ] && [ $# -le 3 ] && [ -n "$2" ] || usage
action=$1 prefix=$2 companion=${3:-}
[ -z "$companion" ] || [ "$action" = install ] || usage
[ -z "$companion" ] || [ -x "$companion" ] || { echo "desktop-install: $companion is no program to install" >&2; exit 1; }
case $prefix in
    *$'\n'*) echo "desktop-install: a line break in PREFIX cannot be written into a desktop entry" >&2; exit 1 ;;
    /*) ;;
    *) prefix=$PWD/$prefix ;;  # the entry needs an absolute path
esac
prefix=${prefix%/}
manifest=$prefix/share/$name/installed

uninstall() {
    [ -f "$manifest" ] || { echo "desktop-install: nothing of Tallyvane Pro is installed in $prefix"; return 0; }
    local entries i kind path
    mapfile -t entries <"$manifest"
    rm -f -- "$manifest"
    for ((i = ${#entries[@]} - 1; i >= 0; i--)); do
        kind=${entries[i]%% *} path=${entries[i]#* }
        case $kind in
            # Only the names install writes: a damaged list deletes nothing else.
            file) case ${path##*/} in "$name" | "$name.desktop" | "$name.png" | tallyvane | tallyvane.1) rm -f -- "$path" ;; esac ;;
            dir) rmdir -- "$path" 2>/dev/null || true ;;
        esac
    done
    echo "desktop-install: removed Tallyvane Pro's menu entry from $prefix"
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
    # A second install replaces the first: the checkout may have moved.
    [ ! -f "$manifest" ] || uninstall >/dev/null
    local launcher entry size
    icons=$(mktemp -d)
    trap 'rm -rf "$icons"' EXIT
    python3 "$root/packaging/ico_to_png.py" "$root/resources/tallyvane.ico" "$icons" >/dev/null

    # The list's own folder first, so that every later step is on it.
    make_dir "$(dirname "$manifest")"

    launcher=$prefix/bin/$name
    make_dir "$(dirname "$launcher")"
    remember file "$launcher"
    {
        echo '#!/usr/bin/env bash'
        echo "# Made by make install: Tallyvane Pro under Wine, from the checkout $root."
        echo "run=$(printf '%q' "$root/scripts/run.sh")"
        echo '[ -x "$run" ] || { echo "tallyvane-pro: $run is gone; run make install in the checkout again" >&2; exit 1; }'
        echo 'exec "$run" "$@"'
    } >"$launcher"
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
    echo "desktop-install: Tallyvane Pro is in the application menu ($entry)"
    [ -z "$companion" ] || echo "desktop-install: the command-line companion is $prefix/bin/tallyvane"
}

case $action in
    install) install ;;
    uninstall) uninstall ;;
    *) usage ;;
esac
