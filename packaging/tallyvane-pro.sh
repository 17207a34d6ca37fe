#!/bin/sh
# tallyvane-pro: starts the installed Tallyvane Pro under Wine, in a Wine
# prefix of the user's own that the first start makes. The Debian package
# (packaging/make-deb.sh) and make install (packaging/desktop-install.sh)
# install this file alike, each with the folder of the program's files
# written into the line below.
lib=@LIB@

fail() {
    echo "tallyvane-pro: $*" >&2
    exit 1
}
warn() { echo "tallyvane-pro: $*" >&2; }

command -v wine >/dev/null 2>&1 || fail "wine is missing: install the packages wine and wine64"
[ -f "$lib/TallyvanePro.exe" ] || fail "$lib/TallyvanePro.exe is missing: install Tallyvane Pro again"
# With WINEDEBUG=-all Wine would fail without a word.
[ -n "${DISPLAY:-}" ] || fail "no X display (DISPLAY is not set): the program shows its windows on one"

case ${XDG_DATA_HOME:-} in
    /*) data=$XDG_DATA_HOME ;;
    *)
        [ -n "${HOME:-}" ] || fail "HOME is not set: there is nowhere to keep the Wine prefix"
        data=$HOME/.local/share
        ;;
esac
WINEPREFIX=$data/tallyvane-pro/wine
WINEARCH=win64
WINEDEBUG=${WINEDEBUG:--all}
# Neither Mono nor Gecko is needed: without this a new prefix offers to fetch them.
WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX" || fail "cannot make the folder $WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1 || fail "wineboot could not make the Wine prefix $WINEPREFIX"
fi

# Wine's own Tahoma and Marlett (fonts-wine) are in a folder Wine 8 does not
# search: without them captions draw their buttons as letters and dialogs
# take a wider face. A face the prefix has already is left as it is.
fonts=$WINEPREFIX/drive_c/windows/Fonts
for face in tahoma.ttf tahomabd.ttf marlett.ttf; do
    [ -e "$fonts/$face" ] && continue
    src=$(dpkg-query -L fonts-wine 2>/dev/null | grep -m1 "/$face\$")
    [ -n "$src" ] || src=/usr/share/wine/fonts/$face
    if [ -f "$src" ]; then
        mkdir -p "$fonts" && ln -sf "$src" "$fonts/$face" || warn "cannot link $src into $fonts"
    else
        warn "Wine's $face is missing (package fonts-wine): the windows draw in another face"
    fi
done

# The program keeps the rates in CurRates.dat in the user's Documents folder.
# Wine makes that folder a link into HOME: the prefix gets a real one, and the
# sample rates the first time. A CurRates.dat already there is the user's and
# is never replaced.
first_rates() {
    users=$WINEPREFIX/drive_c/users
    user_dir=$users/$(id -un)
    if [ ! -d "$user_dir" ]; then
        # Wine may name the folder after $USER instead: the one that is not Public.
        user_dir=""
        for dir in "$users"/*/; do
            [ -d "$dir" ] && [ "$(basename "$dir")" != Public ] || continue
            [ -z "$user_dir" ] || return 1
            user_dir=${dir%/}
        done
        [ -n "$user_dir" ] || return 1
    fi
    docs=$user_dir/Documents
    if [ -L "$docs" ]; then
        rm -f "$docs" || return 1 # the link only; what it points to stays
    fi
    mkdir -p "$docs" || return 1
    [ -e "$docs/CurRates.dat" ] || [ -L "$docs/CurRates.dat" ] || cp "$lib/sample/CurRates.dat" "$docs/CurRates.dat"
}
first_rates || warn "no first rate file in the Documents folder of $WINEPREFIX: the currency converter starts without rates"

exec wine "$lib/TallyvanePro.exe" "$@"
