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
