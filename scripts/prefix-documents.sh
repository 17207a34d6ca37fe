#!/usr/bin/env bash
# Run inside a Wine session, once the prefix exists: gives the prefix's user a
# Documents folder of its own and a first rate file in it, then runs COMMAND.
#   scripts/prefix-documents.sh [COMMAND [ARGS...]]
# Wine makes Documents a link into HOME; the program keeps the user's rates
# there, so it must be a real folder inside the prefix. A CurRates.dat already
# there is the user's and is never replaced.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
users=$WINEPREFIX/drive_c/users

user_dir=$users/$(id -un)
if [ ! -d "$user_dir" ]; then
    # Wine may name the folder after $USER instead: take the one that is not Public.
    found=()
    for dir in "$users"/*/; do
        [ "$(basename "$dir")" = Public ] || found+=("${dir%/}")
    done
    [ "${#found[@]}" = 1 ] || { echo "prefix-documents: no single user folder in $users" >&2; exit 1; }
    user_dir=${found[0]}
fi

docs=$user_dir/Documents
if [ -L "$docs" ]; then
    rm "$docs"   # the link only; what it points to stays
fi
mkdir -p "$docs"
rates=$docs/CurRates.dat
if [ ! -e "$rates" ] && [ ! -L "$rates" ]; then
    cp "$root/data/sample/CurRates.dat" "$rates"
fi

[ $# -eq 0 ] || exec "$@"
