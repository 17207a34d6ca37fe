# Sourced: the environment of the project's own Wine world.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
state=${TV_WINE_STATE:-$root/build/wine}
export WINEPREFIX=$state/prefix
# Keep the way to the user's display before HOME moves.
export XAUTHORITY=${XAUTHORITY:-$HOME/.Xauthority}
export HOME=$state/home
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
mkdir -p "$WINEPREFIX" "$HOME"

# Wine's own Tahoma and Marlett (Debian's fonts-wine) sit in a folder a new
# prefix does not search: link them into the prefix's Fonts folder, or
# captions draw their buttons as letters and dialogs fall back to a wider face.
link_wine_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts face src
    mkdir -p "$fonts"
    for face in tahoma.ttf tahomabd.ttf marlett.ttf; do
        src=$(dpkg-query -L fonts-wine 2>/dev/null | grep -m1 "/$face\$")
        [ -n "$src" ] || src=/usr/share/wine/fonts/$face
        if [ -f "$src" ]; then ln -sfn "$src" "$fonts/$face"
        else echo "wine: Wine's $face is missing (package fonts-wine)" >&2
        fi
    done
}
